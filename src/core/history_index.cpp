#include "core/history_index.h"

#include <algorithm>
#include <cmath>

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
    // Most typing starts the address or its host: those need no search.
    if (key.startsWith(typed) || key.mid(hostStart).startsWith(typed))
        return true;
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
    return page.visitCount *
           std::exp2(-static_cast<double>(now - page.lastVisit) / kHalfLifeSeconds);
}

double HistoryIndex::rank(const HistoryPage& page)
{
    return std::log2(std::max(page.visitCount, 1)) +
           static_cast<double>(page.lastVisit) / kHalfLifeSeconds;
}

namespace {

QString foldedKey(const HistoryPage& page)
{
    return (page.address + QLatin1Char('\n') + page.title).toCaseFolded();
}

} // namespace

HistoryIndex::Entry HistoryIndex::entryFor(const HistoryPage& page)
{
    const QString key = foldedKey(page);
    Entry entry{page, m_keys.size(), key.size(), hostStart(key), rank(page)};
    m_keys += key;
    return entry;
}

bool HistoryIndex::matchesEntry(const Entry& entry, QStringView typed) const
{
    return startsWord(QStringView(m_keys).mid(entry.keyStart, entry.keyLength), typed,
                      entry.hostStart);
}

bool HistoryIndex::matches(const HistoryPage& page, const QString& typed)
{
    const QString key = typed.trimmed().toCaseFolded();
    const QString pageKey = foldedKey(page);
    return !key.isEmpty() && startsWord(pageKey, key, hostStart(pageKey));
}

void HistoryIndex::changed()
{
    m_lastKey.clear();
    m_lastRows.clear();
}

// Once most of the keys' string is unused, it is written anew.
void HistoryIndex::dropKey(const Entry& entry)
{
    m_unusedKeys += entry.keyLength;
    if (m_unusedKeys < m_keys.size() / 2)
        return;
    QString keys;
    keys.reserve(m_keys.size() - m_unusedKeys);
    for (Entry& each : m_entries) {
        const QStringView key = QStringView(m_keys).mid(each.keyStart, each.keyLength);
        each.keyStart = keys.size();
        keys += key;
    }
    m_keys = std::move(keys);
    m_unusedKeys = 0;
}

void HistoryIndex::clear()
{
    m_entries.clear();
    m_rows.clear();
    m_keys.clear();
    m_unusedKeys = 0;
    changed();
}

void HistoryIndex::put(const HistoryPage& page)
{
    changed();
    const auto found = m_rows.constFind(page.address);
    if (found == m_rows.cend()) {
        m_rows.insert(page.address, m_entries.size());
        m_entries.append(entryFor(page));
        return;
    }
    const Entry old = m_entries.at(*found);
    m_entries[*found] = entryFor(page);
    dropKey(old);
}

// The last entry takes the place of the one removed.
void HistoryIndex::remove(const QString& address)
{
    const auto found = m_rows.constFind(address);
    if (found == m_rows.cend())
        return;
    changed();
    const qsizetype row = *found;
    const Entry old = m_entries.at(row);
    m_rows.erase(found);
    if (row != m_entries.size() - 1) {
        m_entries[row] = std::move(m_entries.last());
        m_rows[m_entries[row].page.address] = row;
    }
    m_entries.removeLast();
    dropKey(old);
}

const HistoryPage* HistoryIndex::page(const QString& address) const
{
    const auto found = m_rows.constFind(address);
    return found == m_rows.cend() ? nullptr : &m_entries.at(*found).page;
}

// Ties go to the page visited last, then to the shorter address.
QList<HistoryPage> HistoryIndex::completions(const QString& typed, int limit) const
{
    const QString key = typed.trimmed().toCaseFolded();
    if (key.isEmpty() || limit <= 0)
        return {};
    struct Candidate {
        double rank;
        const HistoryPage* page;
        qsizetype row;
    };
    std::vector<Candidate> found;
    const auto search = [&](qsizetype row) {
        const Entry& entry = m_entries.at(row);
        if (matchesEntry(entry, key))
            found.push_back({entry.rank, &entry.page, row});
    };
    // Text that goes on from the last is found only where the last was.
    if (!m_lastKey.isEmpty() && key.startsWith(m_lastKey)) {
        for (const qsizetype row : m_lastRows)
            search(row);
    } else {
        for (qsizetype row = 0; row < m_entries.size(); ++row)
            search(row);
    }
    m_lastKey = key;
    m_lastRows.clear();
    for (const Candidate& candidate : found)
        m_lastRows.push_back(candidate.row);
    const auto better = [](const Candidate& a, const Candidate& b) {
        if (a.rank != b.rank)
            return a.rank > b.rank;
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
