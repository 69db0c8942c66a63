#pragma once

// Message boxes: a prompt, OK or Yes and No, and a title, over the window that asks; and
// questions whose answers the caller names.

#include "core/shared_texts.h"

#include <QString>
#include <QStringList>

class QWidget;

class MessageBox {
public:
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    virtual ~MessageBox() = default;
    virtual Answer show(QWidget* parent, const QString& prompt, Buttons buttons = Buttons::Ok,
                        const QString& title = Texts::kProductTitle) = 0;
    // Returns the index of the choice taken. Enter takes the default choice, and so does
    // closing the box unanswered.
    virtual int choose(QWidget* parent, const QString& prompt, const QStringList& choices,
                       int defaultChoice, const QString& title = Texts::kProductTitle) = 0;
};
