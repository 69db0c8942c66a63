#include "shell/window_arrangement.h"

QList<QRect> tileRects(int count, const QRect& area, Arrangement tiling)
{
    QList<QRect> rects;
    if (count <= 0)
        return rects;
    const bool stacked = tiling == Arrangement::TileHorizontal;
    const int length = stacked ? area.height() : area.width();
    const int share = length / count;
    for (int i = 0; i < count; ++i) {
        const int start = i * share;
        const int size = i == count - 1 ? length - start : share;
        if (stacked)
            rects.append(QRect(area.left(), area.top() + start, area.width(), size));
        else
            rects.append(QRect(area.left() + start, area.top(), size, area.height()));
    }
    return rects;
}
