#pragma once

// The phone list and the favourites: entries "name  ::  value", as kept in the settings store.

#include <QStringList>

class SettingsStore;

// Where a list is kept: its section and the key of its count.
struct NamedListPlace {
    QString section;
    QString countKey;
};

inline const NamedListPlace kPhonePlace{QStringLiteral("Phone"), QStringLiteral("Number")};
inline const NamedListPlace kFavouritesPlace{QStringLiteral("URL"), QStringLiteral("URLS")};

// Raises DamagedStoreError when the count is beyond any real list.
QStringList loadNamedList(const SettingsStore& store, const NamedListPlace& place);
// Writes the count and the entries in the given order; keys beyond the count are left alone.
void saveNamedList(SettingsStore& store, const NamedListPlace& place, const QStringList& entries);
// What to save when another copy of the program may have saved since this window loaded: the
// stored entries with the window's additions and removals since it loaded made on them.
// Unsorted.
QStringList mergedNamedList(const QStringList& loaded, const QStringList& current,
                            const QStringList& stored);

QString namedEntry(const QString& name, const QString& value);
// The address of a favourite entry: what follows the first " :: " and one more character; from
// the fifth character on when there is none.
QString favouriteAddress(const QString& entry);
