#include "support/fake_browsing_memory.h"

#include <algorithm>

void FakeBrowsingMemory::recordVisit(const QUrl& url, const QString& title)
{
    visitList.append(
        {m_nextId++, HistoryIndex::storedAddress(url), title, QDateTime::fromSecsSinceEpoch(now)});
    reindex();
}

void FakeBrowsingMemory::recordTitle(const QUrl& url, const QString& title)
{
    for (HistoryVisit& visit : visitList) {
        if (visit.address == HistoryIndex::storedAddress(url))
            visit.title = title;
    }
    reindex();
}

void FakeBrowsingMemory::reindex()
{
    m_index.clear();
    for (const HistoryVisit& visit : visitList) {
        const HistoryPage* known = m_index.page(visit.address);
        m_index.put({visit.address, visit.title, known ? known->visitCount + 1 : 1,
                     visit.time.toSecsSinceEpoch()});
    }
}

QList<HistoryPage> FakeBrowsingMemory::completions(const QString& typed, int limit)
{
    return m_index.completions(typed, limit);
}

QList<HistoryVisit> FakeBrowsingMemory::visits(const QString& search)
{
    QList<HistoryVisit> found;
    for (auto it = visitList.crbegin(); it != visitList.crend(); ++it) {
        if (it->address.contains(search, Qt::CaseInsensitive) ||
            it->title.contains(search, Qt::CaseInsensitive))
            found.append(*it);
    }
    return found;
}

void FakeBrowsingMemory::removeVisits(const QList<qint64>& ids)
{
    visitList.removeIf([&ids](const HistoryVisit& visit) { return ids.contains(visit.id); });
    reindex();
}

void FakeBrowsingMemory::clearHistory()
{
    visitList.clear();
    reindex();
}

std::optional<bool> FakeBrowsingMemory::permission(const QString& origin,
                                                   const QString& feature) const
{
    for (const SitePermission& each : kept) {
        if (each.origin == origin && each.feature == feature)
            return each.allowed;
    }
    return std::nullopt;
}

void FakeBrowsingMemory::rememberPermission(const SitePermission& permission)
{
    forgetPermission(permission.origin, permission.feature);
    kept.append(permission);
}

void FakeBrowsingMemory::forgetPermission(const QString& origin, const QString& feature)
{
    kept.removeIf([&](const SitePermission& each) {
        return each.origin == origin && each.feature == feature;
    });
}
