#pragma once

// Twips (1440 to the inch) to pixels and back, at the screen's logical resolution.

#include <QRect>
#include <QSize>

namespace Twips {

int toPixels(double twips);
int fromPixels(int pixels);

QSize toPixels(QSize twips);
QSize fromPixels(QSize pixels);
QRect rect(double left, double top, double width, double height);

} // namespace Twips
