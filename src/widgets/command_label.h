#pragma once

// A mouse label that is also a command for the keyboard and for assistive technology: it takes
// the focus with Tab, Enter or Space presses it, and screen readers see a button that can be
// pressed. The focus shows as a frame in the label's own text colour.

#include "widgets/mouse_label.h"

class CommandLabel : public MouseLabel {
    Q_OBJECT
public:
    explicit CommandLabel(const QString& text = QString(), QWidget* parent = nullptr);

    // The steps of a click: pressed, released, clicked.
    void press();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
