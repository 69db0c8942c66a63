#include "widgets/line_shape.h"

#include "core/twips.h"

#include <QPainter>

#include <algorithm>

LineShape::LineShape(QPoint fromTwips, QPoint toTwips, int widthTwips, QColor color,
                     QWidget* parent)
    : QWidget(parent), m_width(std::max(1, Twips::toPixels(widthTwips))), m_color(color)
{
    const QPoint from(Twips::toPixels(fromTwips.x()), Twips::toPixels(fromTwips.y()));
    const QPoint to(Twips::toPixels(toTwips.x()), Twips::toPixels(toTwips.y()));
    const QRect bounds = QRect(from, to).normalized().adjusted(0, 0, m_width, m_width);
    setGeometry(bounds);
    m_line = QLine(from - bounds.topLeft(), to - bounds.topLeft());
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineShape::setColor(const QColor& color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void LineShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(m_color, m_width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(m_line);
}
