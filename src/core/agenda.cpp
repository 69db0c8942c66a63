#include "core/agenda.h"

#include "core/settings_store.h"
#include "core/shared_texts.h"
#include "core/stored_count.h"

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
