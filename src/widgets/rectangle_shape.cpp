#include "widgets/rectangle_shape.h"

#include <QPainter>

#include <algorithm>

RectangleShape::RectangleShape(const QColor& borderColor, int borderWidth, QWidget* parent)
    : QWidget(parent), m_borderColor(borderColor), m_borderWidth(borderWidth)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void RectangleShape::setBorderColor(const QColor& color)
{
    if (color == m_borderColor)
        return;
    m_borderColor = color;
    update();
}

void RectangleShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_borderColor);
    const QRect all = rect();
    const int w = std::min(m_borderWidth, std::min(all.width(), all.height()));
    painter.drawRect(0, 0, all.width(), w);
    painter.drawRect(0, all.height() - w, all.width(), w);
    painter.drawRect(0, 0, w, all.height());
    painter.drawRect(all.width() - w, 0, w, all.height());
}
