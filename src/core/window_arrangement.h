#pragma once

// Where tiling puts the frame's child windows, and how the Window menu tells them apart.

#include <QList>
#include <QRect>
#include <QStringList>

enum class Arrangement { Cascade = 0, TileHorizontal = 1, TileVertical = 2 };

// Tile horizontally: stacked one above another, each the area's full width. Tile vertically:
// side by side, each the area's full height. The last window takes what division leaves over.
QList<QRect> tileRects(int count, const QRect& area, Arrangement tiling);

// Where the frame places its n-th new child window (n from 0): one step further down and to the
// right than the one before, starting again at the top left corner before it would reach past the
// area's edge.
QPoint newChildPosition(int index, QSize window, QSize area, int step);

// Cascading: each window as large as a new browser window, three quarters of the area, placed
// as new children are.
QList<QRect> cascadeRects(int count, const QRect& area, int step);

// The Window menu's names for windows with these titles, in order: a title that came before
// gets the lowest number from 2 on that makes it differ from every other name ("Long page",
// "Long page (2)").
QStringList distinctTitles(const QStringList& titles);
