#pragma once

// Message boxes shown with QMessageBox.

#include "platform/message_box.h"

class QtMessageBox : public MessageBox {
public:
    Answer show(QWidget* parent, const QString& prompt, Buttons buttons,
                const QString& title) override;
    int choose(QWidget* parent, const QString& prompt, const QStringList& choices,
               int defaultChoice, const QString& title) override;
};
