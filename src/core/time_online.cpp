#include "core/time_online.h"

#include <QCoreApplication>

void TimeOnline::tick()
{
    ++SOL;
    if (SOL == 60) {
        SOL = 0;
        ++MOL;
    }
    if (MOL == 60) {
        MOL = 0;
        ++HOL;
    }
}

QString TimeOnline::caption() const
{
    return QCoreApplication::translate("TimeOnline", "Time Online: %1 Hours %2 Minutes %3 Seconds ")
        .arg(HOL)
        .arg(MOL)
        .arg(SOL);
}
