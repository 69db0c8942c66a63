#include "platform/real/qt_message_box.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::StandardButtons standardButtons(MessageBox::Buttons buttons)
{
    switch (buttons) {
    case MessageBox::Buttons::Ok:
        break;
    case MessageBox::Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageBox::Buttons::SaveDiscardCancel:
        return QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

MessageBox::Answer answer(int pressed, MessageBox::Buttons buttons)
{
    switch (pressed) {
    case QMessageBox::Yes:
        return MessageBox::Answer::Yes;
    case QMessageBox::No:
        return MessageBox::Answer::No;
    case QMessageBox::Save:
        return MessageBox::Answer::Save;
    case QMessageBox::Discard:
        return MessageBox::Answer::Discard;
    case QMessageBox::Cancel:
        return MessageBox::Answer::Cancel;
    default: // closed unanswered
        break;
    }
    switch (buttons) {
    case MessageBox::Buttons::Ok:
        return MessageBox::Answer::Ok;
    case MessageBox::Buttons::YesNo:
        return MessageBox::Answer::No;
    case MessageBox::Buttons::SaveDiscardCancel:
        break;
    }
    return MessageBox::Answer::Cancel;
}

// A box sizes itself to its prompt and buttons; a short prompt would leave the title cut short
// in the title bar, beside the window manager's icon and buttons.
void fitTitle(QMessageBox& box, const QString& title)
{
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const QFontMetrics metrics(titleFont);
    const int width = metrics.horizontalAdvance(title) + 6 * metrics.height();
    auto* layout = qobject_cast<QGridLayout*>(box.layout());
    if (layout)
        layout->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                        layout->rowCount(), 0, 1, layout->columnCount());
}

} // namespace

MessageBox::Answer QtMessageBox::show(QWidget* parent, const QString& prompt, Buttons buttons,
                                      const QString& title)
{
    // The boxes carry no icon: the prompt says what is asked.
    QMessageBox box(QMessageBox::NoIcon, title, prompt, standardButtons(buttons), parent);
    fitTitle(box, title);
    return answer(box.exec(), buttons);
}

int QtMessageBox::choose(QWidget* parent, const QString& prompt, const QStringList& choices,
                         int defaultChoice, const QString& title)
{
    return ask(parent, prompt, choices, defaultChoice, title, {}, nullptr);
}

int QtMessageBox::chooseWithCheckBox(QWidget* parent, const QString& prompt,
                                     const QStringList& choices, int defaultChoice,
                                     const QString& checkText, bool* checked)
{
    return ask(parent, prompt, choices, defaultChoice, Texts::kProductTitle, checkText, checked);
}

// With checked given, the box carries a check box and says through it how it was left.
int QtMessageBox::ask(QWidget* parent, const QString& prompt, const QStringList& choices,
                      int defaultChoice, const QString& title, const QString& checkText,
                      bool* checked)
{
    QMessageBox box(QMessageBox::Question, title, prompt, QMessageBox::NoButton, parent);
    fitTitle(box, title);
    if (checked)
        box.setCheckBox(new QCheckBox(checkText));
    QList<QAbstractButton*> buttons;
    for (const QString& choice : choices)
        buttons.append(box.addButton(choice, QMessageBox::AcceptRole));
    QAbstractButton* fallback = buttons.value(defaultChoice);
    box.setDefaultButton(qobject_cast<QPushButton*>(fallback));
    box.setEscapeButton(fallback);
    box.exec();
    if (checked)
        *checked = box.checkBox()->isChecked();
    const qsizetype taken = buttons.indexOf(box.clickedButton());
    return taken < 0 ? defaultChoice : static_cast<int>(taken);
}

std::optional<MessageBox::Login> QtMessageBox::askLogin(QWidget* parent, const QString& prompt,
                                                        const QString& title)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(title);
    auto* text = new QLabel(prompt, &dialog);
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);
    auto* user = new QLineEdit(&dialog);
    user->setObjectName(QStringLiteral("user"));
    auto* password = new QLineEdit(&dialog);
    password->setObjectName(QStringLiteral("password"));
    password->setEchoMode(QLineEdit::Password);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* form = new QFormLayout(&dialog);
    form->addRow(text);
    form->addRow(QObject::tr("&User name:"), user);
    form->addRow(QObject::tr("&Password:"), password);
    form->addRow(buttons);
    dialog.setMinimumWidth(360);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return Login{user->text(), password->text()};
}
