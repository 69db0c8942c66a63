#include "core/named_list_store.h"

#include "core/settings_store.h"
#include "core/shared_texts.h"
#include "core/stored_count.h"

#include <QHash>

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

QStringList mergedNamedList(const QStringList& loaded, const QStringList& current,
                            const QStringList& stored)
{
    // How many more of each entry the window holds than it loaded; fewer when it removed some.
    QHash<QString, int> added;
    for (const QString& entry : current)
        ++added[entry];
    for (const QString& entry : loaded)
        --added[entry];
    QStringList merged = stored;
    for (auto each = added.cbegin(); each != added.cend(); ++each) {
        int surplus = each.value();
        for (; surplus > 0; --surplus)
            merged.append(each.key());
        while (surplus < 0 && merged.removeOne(each.key()))
            ++surplus;
    }
    return merged;
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
