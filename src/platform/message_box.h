#pragma once

// Message boxes: a prompt, OK, Yes and No, or Save, Discard and Cancel, and a title, over the
// window that asks; questions whose answers the caller names; and the question for a user name
// and password. A box is wide enough for its title.

#include "core/shared_texts.h"

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

class MessageBox {
public:
    enum class Buttons { Ok, YesNo, SaveDiscardCancel };
    enum class Answer { Ok, Yes, No, Save, Discard, Cancel };
    struct Login {
        QString user;
        QString password;
    };

    virtual ~MessageBox() = default;
    // Closing the box unanswered answers No, or Cancel.
    virtual Answer show(QWidget* parent, const QString& prompt, Buttons buttons = Buttons::Ok,
                        const QString& title = Texts::kProductTitle) = 0;
    // Returns the index of the choice taken. Enter takes the default choice, and so does
    // closing the box unanswered.
    virtual int choose(QWidget* parent, const QString& prompt, const QStringList& choices,
                       int defaultChoice, const QString& title = Texts::kProductTitle) = 0;
    // The same with a check box under the prompt, clear at first; *checked says how it was left.
    virtual int chooseWithCheckBox(QWidget* parent, const QString& prompt,
                                   const QStringList& choices, int defaultChoice,
                                   const QString& checkText, bool* checked) = 0;
    // Asks for a user name and a password (hidden as typed); none when cancelled.
    virtual std::optional<Login> askLogin(QWidget* parent, const QString& prompt,
                                          const QString& title = Texts::kProductTitle) = 0;
};
