#include "widgets/window_geometry.h"

#include "core/twips.h"

#include <QMdiSubWindow>
#include <QWidget>

namespace {

const QWidget* outerWindow(const QWidget* window)
{
    if (auto* sub = qobject_cast<const QMdiSubWindow*>(window->parentWidget()))
        return sub;
    return window;
}

} // namespace

QSize outerSizeTwips(const QWidget* window)
{
    const QWidget* outer = outerWindow(window);
    const QSize pixels = outer->isWindow() ? outer->frameGeometry().size() : outer->size();
    return Twips::fromPixels(pixels);
}

void setOuterSizeTwips(QWidget* window, QSize twips)
{
    auto* outer = const_cast<QWidget*>(outerWindow(window));
    QSize pixels = Twips::toPixels(twips);
    if (outer->isWindow())
        pixels -= outer->frameGeometry().size() - outer->size();
    outer->resize(pixels);
}

bool isMinimizedWindow(const QWidget* window)
{
    return outerWindow(window)->isMinimized();
}
