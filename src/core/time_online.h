#pragma once

// The "Time Online" clock: ticks counted as seconds, carried into minutes and hours.

#include <QString>
#include <QtGlobal>

struct TimeOnline {
    int SOL = 0;    // seconds, 0 to 59
    int MOL = 0;    // minutes, 0 to 59
    qint64 HOL = 0; // hours, counting on for as long as the program runs

    void tick();
    // "Time Online: 1 Hours 0 Minutes 0 Seconds ", plural words and the trailing space included.
    QString caption() const;
};
