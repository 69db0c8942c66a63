#pragma once

// A straight line drawn between two points of its parent, with a colour and a width.

#include <QColor>
#include <QWidget>

class LineShape : public QWidget {
    Q_OBJECT
public:
    // Points and width in twips, relative to the parent.
    LineShape(QPoint fromTwips, QPoint toTwips, int widthTwips, QColor color,
              QWidget* parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLine m_line; // in this widget's pixels
    int m_width;
    QColor m_color;
};
