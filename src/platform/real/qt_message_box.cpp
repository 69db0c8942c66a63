#include "platform/real/qt_message_box.h"

#include <QMessageBox>

MessageBox::Answer QtMessageBox::show(QWidget* parent, const QString& prompt, Buttons buttons,
                                      const QString& title)
{
    // A plain box is its prompt, its title and OK; only a question carries an icon.
    const bool question = buttons == Buttons::YesNo;
    QMessageBox box(question ? QMessageBox::Question : QMessageBox::NoIcon, title, prompt,
                    question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    const int pressed = box.exec();
    if (!question)
        return Answer::Ok;
    return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
}
