#pragma once

// What every benchmark measures with: a timer's elapsed milliseconds, and the median of a set of
// them (the upper of the two middle ones when they are even in number).

#include <QElapsedTimer>

#include <algorithm>
#include <vector>

inline double elapsedMs(const QElapsedTimer& timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
