#include "core/time_online.h"

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
    return QStringLiteral("Time Online: %1 Hours %2 Minutes %3 Seconds ")
        .arg(HOL)
        .arg(MOL)
        .arg(SOL);
}
