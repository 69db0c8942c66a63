#pragma once

// Message boxes: a prompt, OK or Yes and No, and a title, over the window that asks.

#include "core/shared_texts.h"

#include <QString>

class QWidget;

class MessageBox {
public:
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    virtual ~MessageBox() = default;
    virtual Answer show(QWidget* parent, const QString& prompt, Buttons buttons = Buttons::Ok,
                        const QString& title = Texts::kProductTitle) = 0;
};
