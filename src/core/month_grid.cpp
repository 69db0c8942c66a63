#include "core/month_grid.h"

#include <chrono>

namespace {

std::chrono::year_month chronoMonth(int month, int year)
{
    return std::chrono::year(year) / std::chrono::month(static_cast<unsigned>(month));
}

} // namespace

MonthGrid monthGrid(int month, int year)
{
    using namespace std::chrono;
    const year_month shown = chronoMonth(month, year);
    MonthGrid grid;
    if (!shown.ok())
        return grid; // no month selected: every button stays empty
    grid.firstColumn = static_cast<int>(weekday(sys_days(shown / 1)).c_encoding());
    grid.lastOffset = static_cast<int>(static_cast<unsigned>((shown / last).day())) - 1;
    for (int day = 1; day <= grid.lastOffset + 1; ++day)
        grid.captions[grid.firstColumn + day - 1] = QString::number(day);
    return grid;
}
