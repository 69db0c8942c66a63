#include "widgets/key_down_filter.h"

#include <QKeyEvent>
#include <QWidget>

namespace {

class KeyDownFilter : public QObject {
public:
    KeyDownFilter(std::function<void(int)> handler, QObject* parent)
        : QObject(parent), m_handler(std::move(handler))
    {
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        m_handler(enter ? kEnterKeyCode : key);
        return enter;
    }

private:
    std::function<void(int)> m_handler;
};

} // namespace

void onKeyDown(QWidget* widget, std::function<void(int)> handler)
{
    widget->installEventFilter(new KeyDownFilter(std::move(handler), widget));
}
