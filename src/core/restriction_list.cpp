#include "core/restriction_list.h"

#include "core/comparable_text.h"
#include "core/leading_number.h"
#include "core/settings_store.h"
#include "core/shared_texts.h"

#include <algorithm>
#include <cmath>
#include <iterator>
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

using Counted = std::pair<qint64, QString>; // an entry's counter and its value

// The values of the counters from 0 to the last one, in counter order. Counters below the
// number of keys are put in order by counting; the few above it lie beyond a missing key.
std::vector<Counted> entryValues(const SettingsStore& store, double last)
{
    const QList<std::pair<QString, QString>> stored =
        store.keyValues(Texts::kProgramStore, kSection);
    std::vector<const QString*> byCounter(static_cast<std::size_t>(stored.size()), nullptr);
    std::vector<Counted> beyond;
    for (const auto& [key, value] : stored) {
        const qint64 counter = counterOf(key);
        if (counter < 0 || static_cast<double>(counter) > last)
            continue;
        if (counter < stored.size())
            byCounter[static_cast<std::size_t>(counter)] = &value;
        else
            beyond.emplace_back(counter, value);
    }
    std::vector<Counted> ordered;
    ordered.reserve(byCounter.size() + beyond.size());
    for (std::size_t counter = 0; counter < byCounter.size(); ++counter) {
        if (byCounter[counter])
            ordered.emplace_back(static_cast<qint64>(counter), *byCounter[counter]);
    }
    std::sort(beyond.begin(), beyond.end());
    std::move(beyond.begin(), beyond.end(), std::back_inserter(ordered));
    return ordered;
}

} // namespace

QStringList read(const SettingsStore& store)
{
    const QString number = store.read(Texts::kProgramStore, kSection, kCountKey, kNoList);
    if (number == kNoList)
        return {};
    const double last = std::floor(leadingNumber(number) - 1);
    if (!(last >= 0))
        return {};

    const std::vector<Counted> values = entryValues(store, last);
    QStringList entries;
    entries.reserve(static_cast<qsizetype>(values.size()) + 1);
    bool missingHeld = false;
    for (qint64 expected = 0; const auto& [counter, value] : values) {
        if (counter != expected++ && !missingHeld) {
            entries.append(QString());
            missingHeld = true;
        }
        entries.append(value);
    }
    if (!missingHeld && static_cast<double>(values.size()) <= last)
        entries.append(QString()); // the keys missing after the last one found
    return entries;
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

RestrictionList::RestrictionList(const QStringList& entries) : m_entries(entries)
{
    QStringList comparable;
    comparable.reserve(entries.size());
    for (const QString& entry : entries) {
        comparable.append(comparableText(entry));
        if (comparable.last().isEmpty())
            m_emptyEntries.append(comparable.size() - 1);
    }
    m_matcher = SubstringMatcher(comparable);
}

QList<qsizetype> RestrictionList::matches(const QString& title) const
{
    if (title.isEmpty())
        return {};
    // A title of invisible characters only still holds the empty entries.
    const QString comparable = comparableText(title);
    return comparable.isEmpty() ? m_emptyEntries : m_matcher.find(comparable);
}
