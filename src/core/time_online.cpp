#include "core/time_online.h"

#include <QCoreApplication>

void TimeOnline::tick()
{
    ++seconds;
    if (seconds == 60) {
        seconds = 0;
        ++minutes;
    }
    if (minutes == 60) {
        minutes = 0;
        ++hours;
    }
}

QString TimeOnline::caption() const
{
    return QCoreApplication::translate("TimeOnline", "Time Online: %1 Hours %2 Minutes %3 Seconds ")
        .arg(hours)
        .arg(minutes)
        .arg(seconds);
}
