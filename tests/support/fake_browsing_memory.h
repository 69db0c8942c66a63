#pragma once

// A browsing memory held in the test's memory, with a clock the test sets.

#include "platform/browsing_memory.h"

#include <QHash>

class FakeBrowsingMemory : public BrowsingMemory {
public:
    void recordVisit(const QUrl& url, const QString& title) override;
    void recordTitle(const QUrl& url, const QString& title) override;
    QList<HistoryPage> completions(const QString& typed, int limit) override;
    QList<HistoryVisit> visits(const QString& search) override;
    void removeVisits(const QList<qint64>& ids) override;
    void clearHistory() override;
    double zoomFactor(const QString& host) const override { return zoom.value(host, 1); }
    void setZoomFactor(const QString& host, double factor) override { zoom[host] = factor; }
    std::optional<bool> permission(const QString& origin, const QString& feature) const override;
    void rememberPermission(const SitePermission& permission) override;
    void forgetPermission(const QString& origin, const QString& feature) override;
    QList<SitePermission> permissions() const override { return kept; }

    qint64 now = 1'700'000'000;    // seconds since 1970 of the next visit
    QList<HistoryVisit> visitList; // oldest first
    QHash<QString, double> zoom;
    QList<SitePermission> kept;

private:
    void reindex();
    HistoryIndex m_index;
    qint64 m_nextId = 1;
};
