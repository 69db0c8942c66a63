#include "core/window_arrangement.h"

#include <algorithm>

QPoint newChildPosition(int index, QSize window, QSize area, int step)
{
    const int room = std::min(area.width() - window.width(), area.height() - window.height());
    step = std::max(step, 1);
    const int positions = room < 0 ? 1 : room / step + 1;
    const int offset = (index % positions) * step;
    return {offset, offset};
}

QList<QRect> cascadeRects(int count, const QRect& area, int step)
{
    const QSize size(area.width() * 3 / 4, area.height() * 3 / 4);
    QList<QRect> rects;
    for (int i = 0; i < count; ++i)
        rects.append(QRect(area.topLeft() + newChildPosition(i, size, area.size(), step), size));
    return rects;
}

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

QStringList distinctTitles(const QStringList& titles)
{
    QStringList names;
    for (const QString& title : titles) {
        QString name = title;
        for (int n = 2; names.contains(name) || (name != title && titles.contains(name)); ++n)
            name = QStringLiteral("%1 (%2)").arg(title).arg(n);
        names.append(name);
    }
    return names;
}
