#pragma once

// A label that reports the mouse over it: moves, button down, button up, and clicks (down and
// up on the label). Moves are reported without a button held, and go no further.

#include <QLabel>

class MouseLabel : public QLabel {
    Q_OBJECT
public:
    explicit MouseLabel(const QString& text = QString(), QWidget* parent = nullptr);

signals:
    void mouseMoved();
    void mousePressed();
    // Comes before clicked().
    void mouseReleased();
    void clicked();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};
