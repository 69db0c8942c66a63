#pragma once

// The organizer's month grid: which of the 42 day buttons carry which day of a month.

#include <QString>

#include <array>

inline constexpr int kDayButtons = 42;
inline constexpr int kLastYear = 3000;

struct MonthGrid {
    int firstColumn = 0;                       // column of day 1: 0 for Sunday to 6 for Saturday
    int lastOffset = 0;                        // days in the month minus 1
    std::array<QString, kDayButtons> captions; // the day number, or "" outside the month
};

// The grid of month 1 to 12 of a year in the proleptic Gregorian calendar, years 0 to 99
// included; the week starts on Sunday. Without a valid month every caption is "".
MonthGrid monthGrid(int month, int year);
