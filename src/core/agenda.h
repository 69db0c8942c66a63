#pragma once

// The day agenda in memory: entry i is the date text dates[i] with the agenda text texts[i];
// new entries go to the front.

#include <QStringList>

class SettingsStore;

inline const QString kAgendaSection = QStringLiteral("Data");

// Month/day/year without leading zeros: 4/9/1998.
QString dateText(int month, int day, int year);

class Agenda {
public:
    QStringList dates;
    QStringList texts;

    // Loads the stored entries in reverse order; a store without them gives one empty entry.
    // Raises DamagedStoreError when the stored count is not a number of entries.
    void load(const SettingsStore& store);
    // Writes the count and the entries in list order; keys beyond the count are left alone.
    void save(SettingsStore& store) const;

    // The position of the first entry for the date, or -1.
    int find(const QString& date) const { return static_cast<int>(dates.indexOf(date)); }
    // A new entry for the date with an empty text, at the front.
    void addFront(const QString& date);
    void clear();
};
