#pragma once

// What the browser remembers from one session to the next beside the engine's own files: the
// pages shown, each site's zoom, and the answers to sites' requests the user asked it to keep.
// Problems with keeping them never reach the caller: the memory tells the user once and goes on.

#include "core/history_index.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QUrl>

#include <optional>

struct HistoryVisit {
    qint64 id = 0;
    QString address;
    QString title;
    QDateTime time;
};

struct SitePermission {
    QString origin;
    QString feature; // as the question named it, "know your location"
    bool allowed = false;
};

class BrowsingMemory {
public:
    virtual ~BrowsingMemory() = default;

    // A page was shown; its title may come later.
    virtual void recordVisit(const QUrl& url, const QString& title) = 0;
    virtual void recordTitle(const QUrl& url, const QString& title) = 0;
    // The visited pages the typed text matches, best first (see HistoryIndex), also those
    // another copy of the program recorded since.
    virtual QList<HistoryPage> completions(const QString& typed, int limit) = 0;
    // The visits whose address or title holds the text (every visit for none), newest first.
    virtual QList<HistoryVisit> visits(const QString& search) = 0;
    virtual void removeVisits(const QList<qint64>& ids) = 0;
    virtual void clearHistory() = 0;

    // A site's zoom, 1 unless the user chose another.
    virtual double zoomFactor(const QString& host) const = 0;
    virtual void setZoomFactor(const QString& host, double factor) = 0;

    virtual std::optional<bool> permission(const QString& origin, const QString& feature) const = 0;
    virtual void rememberPermission(const SitePermission& permission) = 0;
    virtual void forgetPermission(const QString& origin, const QString& feature) = 0;
    virtual QList<SitePermission> permissions() const = 0;
};
