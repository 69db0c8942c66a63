#pragma once

// Message boxes: a prompt, OK or Yes and No, and a title.

#include <QString>

class MessageBox {
public:
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    inline static const QString kApplicationTitle = QStringLiteral("Brivola 2.0");

    virtual ~MessageBox() = default;
    virtual Answer show(const QString& prompt, Buttons buttons = Buttons::Ok,
                        const QString& title = kApplicationTitle) = 0;
};
