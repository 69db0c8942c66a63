#include "widgets/unminimised.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

class Unminimiser : public QObject {
public:
    explicit Unminimiser(QWidget* window) : QObject(window), m_window(window) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Restored once the window manager has finished minimising it.
        if (watched == m_window && event->type() == QEvent::WindowStateChange &&
            m_window->isMinimized())
            QTimer::singleShot(0, m_window, [window = m_window] {
                window->showNormal();
                window->activateWindow();
            });
        return false;
    }

private:
    QWidget* m_window;
};

} // namespace

void keepUnminimised(QWidget* window)
{
    window->installEventFilter(new Unminimiser(window));
}
