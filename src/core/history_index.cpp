#include "core/history_index.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double kHalfLifeSeconds = 30 * 24 * 3600;

// Where the host starts: after "scheme://" and a leading "www.".
qsizetype hostStart(QStringView key)
{
    qsizetype start = key.indexOf(u"://");
    start = start < 0 ? 0 : start + 3;
    if (key.mid(start).startsWith(u"www."))
        start += 4;
    return start;
}

bool startsWord(QStringView key, QStringView typed, qsizetype hostStart = 0)
{
    for (qsizetype at = key.indexOf(typed); at >= 0; at = key.indexOf(typed, at + 1)) {
        if (at == 0 || at == hostStart || !key.at(at - 1).isLetterOrNumber())
            return true;
    }
    return false;
}

} // namespace

QString HistoryIndex::storedAddress(const QUrl& url)
{
    return url.adjusted(QUrl::RemoveUserInfo).toString();
}

double HistoryIndex::score(const HistoryPage& page, qint64 now)
{
    const double age = static_cast<double>(std::max<qint64>(0, now - page.lastVisit));
    return page.visitCount * std::exp2(-age / kHalfLifeSeconds);
}

HistoryIndex::Entry HistoryIndex::entryFor(const HistoryPage& page)
{
    Entry entry{page, page.address.toCaseFolded(), page.title.toCaseFolded()};
    entry.hostStart = hostStart(entry.addressKey);
    return entry;
}

bool HistoryIndex::matchesEntry(const Entry& entry, QStringView typed)
{
    return startsWord(entry.addressKey, typed, entry.hostStart) ||
           startsWord(entry.titleKey, typed);
}

bool HistoryIndex::matches(const HistoryPage& page, const QString& typed)
{
    const QString key = typed.trimmed().toCaseFolded();
    return !key.isEmpty() && matchesEntry(entryFor(page), key);
}

void HistoryIndex::clear()
{
    m_entries.clear();
    m_rows.clear();
}

void HistoryIndex::put(const HistoryPage& page)
{
    const auto found = m_rows.constFind(page.address);
    if (found != m_rows.cend()) {
        m_entries[*found] = entryFor(page);
        return;
    }
    m_rows.insert(page.address, m_entries.size());
    m_entries.append(entryFor(page));
}

// The last entry takes the place of the one removed.
void HistoryIndex::remove(const QString& address)
{
    const auto found = m_rows.constFind(address);
    if (found == m_rows.cend())
        return;
    const qsizetype row = *found;
    m_rows.erase(found);
    if (row != m_entries.size() - 1) {
        m_entries[row] = std::move(m_entries.last());
        m_rows[m_entries[row].page.address] = row;
    }
    m_entries.removeLast();
}

const HistoryPage* HistoryIndex::page(const QString& address) const
{
    const auto found = m_rows.constFind(address);
    return found == m_rows.cend() ? nullptr : &m_entries.at(*found).page;
}

// Ties go to the page visited last, then to the shorter address.
QList<HistoryPage> HistoryIndex::completions(const QString& typed, qint64 now, int limit) const
{
    const QString key = typed.trimmed().toCaseFolded();
    if (key.isEmpty() || limit <= 0)
        return {};
    struct Candidate {
        double score;
        const HistoryPage* page;
    };
    std::vector<Candidate> found;
    for (const Entry& entry : m_entries) {
        if (matchesEntry(entry, key))
            found.push_back({score(entry.page, now), &entry.page});
    }
    const auto better = [](const Candidate& a, const Candidate& b) {
        if (a.score != b.score)
            return a.score > b.score;
        if (a.page->lastVisit != b.page->lastVisit)
            return a.page->lastVisit > b.page->lastVisit;
        if (a.page->address.size() != b.page->address.size())
            return a.page->address.size() < b.page->address.size();
        return a.page->address < b.page->address;
    };
    const auto end = found.begin() + std::min<qsizetype>(limit, qsizetype(found.size()));
    std::partial_sort(found.begin(), end, found.end(), better);
    QList<HistoryPage> best;
    for (auto it = found.begin(); it != end; ++it)
        best.append(*it->page);
    return best;
}
