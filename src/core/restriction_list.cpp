#include "core/restriction_list.h"

#include "core/leading_number.h"
#include "core/settings_store.h"
#include "core/shared_texts.h"

#include <algorithm>
#include <bitset>
#include <cmath>
#include <memory>
#include <utility>
#include <vector>

namespace Restrictions {

namespace {

// The counter a key names when it is written as the counter in decimal ("0", "1", ..., no sign,
// no leading zero); -1 for every other key.
qint64 counterOf(const QString& key)
{
    const bool decimal = !key.isEmpty() && (key.size() == 1 || key[0] != QLatin1Char('0')) &&
                         std::all_of(key.begin(), key.end(), [](QChar c) {
                             return c >= QLatin1Char('0') && c <= QLatin1Char('9');
                         });
    bool inRange = false;
    const qint64 counter = decimal ? key.toLongLong(&inRange) : -1;
    return inRange ? counter : -1;
}

// The entries of a list in counter order, the keys missing inside it held as one empty entry.
class EntryList {
public:
    void add(qint64 counter, const QString& value)
    {
        if (counter != m_found++ && !m_missingHeld)
            holdMissing();
        m_entries.append(value);
    }
    QStringList finish(double last)
    {
        if (!m_missingHeld && static_cast<double>(m_found) <= last)
            holdMissing(); // the keys missing after the last one found
        return std::move(m_entries);
    }

private:
    void holdMissing()
    {
        m_entries.append(QString());
        m_missingHeld = true;
    }

    QStringList m_entries;
    qint64 m_found = 0;
    bool m_missingHeld = false;
};

// The last counter of the list a count gives; below 0 for no list.
double lastCounter(const QString& number)
{
    return number == kNoList ? -1 : std::floor(leadingNumber(number) - 1);
}

} // namespace

QStringList read(const SettingsStore& store)
{
    const QString number = store.read(Texts::kProgramStore, kSection, kCountKey, kNoList);
    if (!(lastCounter(number) >= 0))
        return {};
    return entriesOf(number, store.keyValues(Texts::kProgramStore, kSection));
}

// Counters below the number of keys are put in order by counting; the few above it lie beyond
// a missing key.
QStringList entriesOf(const QString& number, const StoredKeys& stored)
{
    const double last = lastCounter(number);
    if (!(last >= 0))
        return {};
    std::vector<const QString*> byCounter(static_cast<std::size_t>(stored.size()), nullptr);
    std::vector<std::pair<qint64, const QString*>> beyond;
    for (const auto& [key, value] : stored) {
        const qint64 counter = counterOf(key);
        if (counter < 0 || static_cast<double>(counter) > last)
            continue;
        if (counter < stored.size())
            byCounter[static_cast<std::size_t>(counter)] = &value;
        else
            beyond.emplace_back(counter, &value);
    }
    std::sort(beyond.begin(), beyond.end());
    EntryList entries;
    for (std::size_t counter = 0; counter < byCounter.size(); ++counter) {
        if (byCounter[counter])
            entries.add(static_cast<qint64>(counter), *byCounter[counter]);
    }
    for (const auto& [counter, value] : beyond)
        entries.add(counter, *value);
    return entries.finish(last);
}

QString entryKey(qsizetype position)
{
    return QString::number(position);
}

bool isListKey(const QString& key)
{
    return key.compare(kCountKey, Qt::CaseInsensitive) == 0 || counterOf(key) >= 0;
}

} // namespace Restrictions

namespace {

constexpr std::size_t kPairSlots = 1 << 16;
using PairSet = std::bitset<kPairSlots>;

int pairSlot(QChar first, QChar second)
{
    return static_cast<int>((first.unicode() * 31u + second.unicode()) % kPairSlots);
}

// The slots of every two neighbouring characters of the text.
void addPairs(const QString& text, PairSet& pairs)
{
    for (qsizetype i = 1; i < text.size(); ++i)
        pairs.set(static_cast<std::size_t>(pairSlot(text[i - 1], text[i])));
}

} // namespace

RestrictionList::RestrictionList(const QStringList& entries) : m_entries(entries)
{
    m_folded.reserve(entries.size());
    m_firstPairs.reserve(static_cast<std::size_t>(entries.size()));
    for (const QString& entry : entries) {
        const QString folded = entry.toCaseFolded();
        m_folded.append(folded);
        m_firstPairs.push_back(folded.size() < 2 ? -1 : pairSlot(folded[0], folded[1]));
    }
}

QList<qsizetype> RestrictionList::matches(const QString& title) const
{
    QList<qsizetype> found;
    if (title.isEmpty())
        return found;
    const QString folded = title.toCaseFolded();
    auto pairs = std::make_unique<PairSet>();
    addPairs(folded, *pairs);
    for (qsizetype i = 0; i < m_folded.size(); ++i) {
        const int firstPair = m_firstPairs[static_cast<std::size_t>(i)];
        if (firstPair >= 0 && !pairs->test(static_cast<std::size_t>(firstPair)))
            continue;
        const QString& entry = m_folded[i];
        if (entry.size() <= folded.size() && folded.contains(entry))
            found.append(i);
    }
    return found;
}
