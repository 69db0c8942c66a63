#include "platform/qt_message_box.h"

#include <QApplication>
#include <QMessageBox>

MessageBox::Answer QtMessageBox::show(const QString& prompt, Buttons buttons, const QString& title)
{
    if (buttons == Buttons::Ok) {
        QMessageBox::information(QApplication::activeWindow(), title, prompt);
        return Answer::Ok;
    }
    const auto pressed = QMessageBox::question(QApplication::activeWindow(), title, prompt,
                                               QMessageBox::Yes | QMessageBox::No);
    return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
}
