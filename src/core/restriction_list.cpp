#include "core/restriction_list.h"

#include "core/comparable_text.h"
#include "core/leading_number.h"
#include "core/settings_store.h"
#include "core/shared_texts.h"

#include <QStringDecoder>

#include <algorithm>
#include <cmath>
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

std::optional<QStringList> entriesOfListFile(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return std::nullopt;
    QStringList entries;
    for (const QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        const QStringView entry = line.trimmed();
        if (!entry.isEmpty() && !entry.startsWith(QLatin1Char('#')))
            entries.append(entry.toString());
    }
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
    QStringList skeletons;
    skeletons.reserve(entries.size());
    for (const QString& entry : entries) {
        skeletons.append(skeletonText(entry));
        if (skeletons.last().isEmpty())
            m_emptyEntries.append(skeletons.size() - 1);
    }
    m_matcher = SubstringMatcher(skeletons);
}

QList<qsizetype> RestrictionList::matches(const QString& title) const
{
    if (title.isEmpty())
        return {};
    // A title of invisible characters only still holds the empty entries.
    const QString skeleton = skeletonText(title);
    return skeleton.isEmpty() ? m_emptyEntries : m_matcher.find(skeleton);
}
