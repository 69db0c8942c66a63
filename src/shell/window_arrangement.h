#pragma once

// Where tiling puts the frame's child windows.

#include <QList>
#include <QRect>

enum class Arrangement { Cascade = 0, TileHorizontal = 1, TileVertical = 2 };

// Tile horizontally: stacked one above another, each the area's full width. Tile vertically:
// side by side, each the area's full height. The last window takes what division leaves over.
QList<QRect> tileRects(int count, const QRect& area, Arrangement tiling);
