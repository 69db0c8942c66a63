#include "core/agenda.h"

#include "core/settings_store.h"
#include "core/shared_texts.h"
#include "core/stored_count.h"

#include <QHash>
#include <QSet>

namespace {

const QString kCountKey = QStringLiteral("Number");
const QString kTextSuffix = QStringLiteral("A");

// The stored values of keys prefix+suffix for i = 0 to count - 1, last first.
QStringList readReversed(const SettingsStore& store, int count, const QString& suffix)
{
    QStringList values(count);
    for (int i = 0; i < count; ++i)
        values[count - 1 - i] =
            store.read(Texts::kOrganizerStore, kAgendaSection, QString::number(i) + suffix, {});
    return values;
}

// The text of each date's first entry, which is the one shown.
QHash<QString, QString> firstTexts(const Agenda& agenda)
{
    QHash<QString, QString> texts;
    for (qsizetype i = agenda.dates.size() - 1; i >= 0; --i)
        texts.insert(agenda.dates[i], agenda.texts[i]);
    return texts;
}

} // namespace

QString dateText(int month, int day, int year)
{
    return QStringLiteral("%1/%2/%3").arg(month).arg(day).arg(year);
}

void Agenda::load(const SettingsStore& store)
{
    const int count = exactCount(store, kAgendaSection, kCountKey, QStringLiteral("1"));
    dates = readReversed(store, count, {});
    texts = readReversed(store, count, kTextSuffix);
}

void Agenda::save(SettingsStore& store) const
{
    const auto count = dates.size();
    store.write(Texts::kOrganizerStore, kAgendaSection, kCountKey, QString::number(count));
    for (qsizetype i = 0; i < count; ++i)
        store.write(Texts::kOrganizerStore, kAgendaSection, QString::number(i), dates[i]);
    for (qsizetype i = 0; i < count; ++i)
        store.write(Texts::kOrganizerStore, kAgendaSection, QString::number(i) + kTextSuffix,
                    texts[i]);
}

void Agenda::addFront(const QString& date)
{
    dates.prepend(date);
    texts.prepend(QString());
}

void Agenda::clear()
{
    dates.clear();
    texts.clear();
}

Agenda mergedAgenda(const Agenda& loaded, const Agenda& current, const Agenda& stored)
{
    const QHash<QString, QString> loadedTexts = firstTexts(loaded);
    const QHash<QString, QString> storedTexts = firstTexts(stored);
    Agenda merged = current;
    for (qsizetype i = 0; i < merged.dates.size(); ++i) {
        if (merged.texts[i] == loadedTexts.value(merged.dates[i]))
            merged.texts[i] = storedTexts.value(merged.dates[i]);
    }
    QSet<QString> known(current.dates.begin(), current.dates.end());
    known.unite(QSet<QString>(loaded.dates.begin(), loaded.dates.end()));
    for (const QString& date : stored.dates) {
        const QString text = storedTexts.value(date);
        if (text.isEmpty() || known.contains(date))
            continue;
        known.insert(date);
        merged.dates.append(date);
        merged.texts.append(text);
    }
    return merged;
}
