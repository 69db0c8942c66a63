#include "platform/real/qt_window_system.h"

#include "core/errors.h"

#include <QWidget>
#include <QWindow>

void QtWindowSystem::makeTopmost(QWidget& window, QWidget& owner)
{
    // Changing a window's flags hides it, so the flag is set only once.
    if (!window.windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        window.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    // Window managers put a window that covers the screen above every "always on top" window
    // while it has the focus; a window it owns still stays above it.
    window.winId();
    owner.winId();
    if (!window.windowHandle() || !owner.windowHandle())
        throw PlatformError(QStringLiteral("the window system gave no window handle"));
    window.windowHandle()->setTransientParent(owner.windowHandle());
    window.show();
    window.raise();
}
