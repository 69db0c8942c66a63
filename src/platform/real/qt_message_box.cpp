#include "platform/real/qt_message_box.h"

#include <QMessageBox>

MessageBox::Answer QtMessageBox::show(QWidget* parent, const QString& prompt, Buttons buttons,
                                      const QString& title)
{
    if (buttons == Buttons::Ok) {
        QMessageBox::information(parent, title, prompt);
        return Answer::Ok;
    }
    const auto pressed =
        QMessageBox::question(parent, title, prompt, QMessageBox::Yes | QMessageBox::No);
    return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
}
