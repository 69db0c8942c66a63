#pragma once

// The outline of a rectangle, drawn along the edges of the widget in a border colour. It takes
// no mouse input: the window under it gets it.

#include <QColor>
#include <QWidget>

class RectangleShape : public QWidget {
    Q_OBJECT
public:
    // The border width is in pixels.
    RectangleShape(const QColor& borderColor, int borderWidth, QWidget* parent = nullptr);

    QColor borderColor() const { return m_borderColor; }
    void setBorderColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_borderColor;
    int m_borderWidth;
};
