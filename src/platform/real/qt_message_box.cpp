#include "platform/real/qt_message_box.h"

#include <QMessageBox>
#include <QPushButton>

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

int QtMessageBox::choose(QWidget* parent, const QString& prompt, const QStringList& choices,
                         int defaultChoice, const QString& title)
{
    QMessageBox box(QMessageBox::Question, title, prompt, QMessageBox::NoButton, parent);
    QList<QAbstractButton*> buttons;
    for (const QString& choice : choices)
        buttons.append(box.addButton(choice, QMessageBox::AcceptRole));
    QAbstractButton* fallback = buttons.value(defaultChoice);
    box.setDefaultButton(qobject_cast<QPushButton*>(fallback));
    box.setEscapeButton(fallback);
    box.exec();
    const qsizetype taken = buttons.indexOf(box.clickedButton());
    return taken < 0 ? defaultChoice : static_cast<int>(taken);
}
