#include "widgets/command_label.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>

namespace {

// What assistive technology sees of a command label: a push button named by its accessible
// name, else its caption, with a press action.
class AccessibleCommandLabel : public QAccessibleWidget {
public:
    explicit AccessibleCommandLabel(CommandLabel* label)
        : QAccessibleWidget(label, QAccessible::Button)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name || !widget()->accessibleName().isEmpty())
            return QAccessibleWidget::text(kind);
        return static_cast<const CommandLabel*>(widget())->text();
    }

    QStringList actionNames() const override
    {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction())
            static_cast<CommandLabel*>(widget())->press();
        else
            QAccessibleWidget::doAction(action);
    }

    QStringList keyBindingsForAction(const QString& action) const override
    {
        if (action == pressAction())
            return {QStringLiteral("Space"), QStringLiteral("Return")};
        return QAccessibleWidget::keyBindingsForAction(action);
    }
};

QAccessibleInterface* accessibleCommandLabel(const QString& className, QObject* object)
{
    if (className == QLatin1String("CommandLabel"))
        return new AccessibleCommandLabel(static_cast<CommandLabel*>(object));
    return nullptr;
}

} // namespace

CommandLabel::CommandLabel(const QString& text, QWidget* parent) : MouseLabel(text, parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleCommandLabel);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    // Tab only: a click keeps the focus where it was, as it always did.
    setFocusPolicy(Qt::TabFocus);
}

void CommandLabel::press()
{
    emit mousePressed();
    emit mouseReleased();
    emit clicked();
}

void CommandLabel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        event->accept();
        if (!event->isAutoRepeat())
            press();
        return;
    default:
        MouseLabel::keyPressEvent(event);
    }
}

void CommandLabel::paintEvent(QPaintEvent* event)
{
    MouseLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(foregroundRole()), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
