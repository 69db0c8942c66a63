#include "core/named_list_store.h"

#include "core/settings_store.h"
#include "core/shared_texts.h"
#include "core/stored_count.h"

QStringList loadNamedList(const SettingsStore& store, const NamedListPlace& place)
{
    const int count = leadingCount(store, place.section, place.countKey, QStringLiteral("0"));
    QStringList entries(count);
    for (int i = 0; i < count; ++i)
        entries[i] = store.read(Texts::kOrganizerStore, place.section, QString::number(i), {});
    return entries;
}

void saveNamedList(SettingsStore& store, const NamedListPlace& place, const QStringList& entries)
{
    store.write(Texts::kOrganizerStore, place.section, place.countKey,
                QString::number(entries.size()));
    for (qsizetype i = 0; i < entries.size(); ++i)
        store.write(Texts::kOrganizerStore, place.section, QString::number(i), entries[i]);
}

QString namedEntry(const QString& name, const QString& value)
{
    return name + QStringLiteral("  ::  ") + value;
}

QString favouriteAddress(const QString& entry)
{
    // Positions counted from 1, as the rule counts them: the address starts at p + 5,
    // where p is the position of " :: ", or 0 when there is none.
    const qsizetype p = entry.indexOf(QStringLiteral(" :: ")) + 1;
    return entry.mid(p + 4);
}
