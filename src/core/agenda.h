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

// What to save when another copy of the program may have saved since this window loaded: the
// window's entries (current, as loaded), each date keeping the window's text where the window
// changed it and taking the stored text where it did not, then the stored entries of dates the
// window never had. An entry without text is a day only looked at, and only this window's
// count.
Agenda mergedAgenda(const Agenda& loaded, const Agenda& current, const Agenda& stored);
