#pragma once

// Message boxes shown with QMessageBox over the active window.

#include "platform/message_box.h"

class QtMessageBox : public MessageBox {
public:
    Answer show(const QString& prompt, Buttons buttons, const QString& title) override;
};
