#include "widgets/mouse_label.h"

#include <QMouseEvent>

MouseLabel::MouseLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setMouseTracking(true);
}

void MouseLabel::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    emit mouseMoved();
}

void MouseLabel::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    m_pressed = true;
    emit mousePressed();
}

void MouseLabel::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    const bool click = m_pressed && rect().contains(event->position().toPoint());
    m_pressed = false;
    emit mouseReleased();
    if (click)
        emit clicked();
}
