#pragma once

// The "Time Online" clock: ticks counted as seconds, carried into minutes and hours.

#include <QString>
#include <QtGlobal>

struct TimeOnline {
    int seconds = 0;  // 0 to 59
    int minutes = 0;  // 0 to 59
    qint64 hours = 0; // counting on for as long as the program runs

    void tick();
    // "Time Online: 1 Hours 0 Minutes 0 Seconds ", plural words and the trailing space included.
    QString caption() const;
};
