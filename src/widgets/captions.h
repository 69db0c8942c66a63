#pragma once

// Captions that stay whole: a translation may be longer than the text a control was placed
// for, and a caption cut off hides what the control does.

#include <QFont>

#include <functional>

class QFontMetricsF;
class QWidget;

namespace Captions {

// The font made smaller, half a point at a time down to 6 points, until fits() holds.
QFont shrunkUntil(QFont font, const std::function<bool(const QFontMetricsF&)>& fits);

// Whether the caption of a button, check box or one-line label placed by hand (its parent
// has no layout) is wider than the room the control gives it.
bool isCut(const QWidget* control);

// Every such caption in the window written smaller until it fits.
void fit(QWidget* window);

} // namespace Captions
