#pragma once

// Window timers.

#include <QTimer>

// Enables the timer; one that is already enabled runs on without starting its interval again.
inline void enable(QTimer* timer)
{
    if (!timer->isActive())
        timer->start();
}
