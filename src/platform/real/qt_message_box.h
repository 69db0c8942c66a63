#pragma once

// Message boxes shown with QMessageBox; the login question is a small dialog of its own.

#include "platform/message_box.h"

class QtMessageBox : public MessageBox {
public:
    Answer show(QWidget* parent, const QString& prompt, Buttons buttons,
                const QString& title) override;
    int choose(QWidget* parent, const QString& prompt, const QStringList& choices,
               int defaultChoice, const QString& title) override;
    int chooseWithCheckBox(QWidget* parent, const QString& prompt, const QStringList& choices,
                           int defaultChoice, const QString& checkText, bool* checked) override;
    std::optional<Login> askLogin(QWidget* parent, const QString& prompt,
                                  const QString& title) override;

private:
    static int ask(QWidget* parent, const QString& prompt, const QStringList& choices,
                   int defaultChoice, const QString& title, const QString& checkText,
                   bool* checked);
};
