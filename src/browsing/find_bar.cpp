#include "browsing/find_bar.h"

#include "platform/browser_control.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

FindBar::FindBar(BrowserControl& page, QWidget* parent)
    : QWidget(parent), findText(new QLineEdit(this)), matches(new QLabel(this)), m_page(page)
{
    setObjectName(QStringLiteral("findBar"));
    findText->setObjectName(QStringLiteral("findText"));
    findText->setPlaceholderText(tr("Find in page"));
    findText->installEventFilter(this);
    matches->setObjectName(QStringLiteral("findMatches"));
    auto* done = new QToolButton(this);
    done->setObjectName(QStringLiteral("closeFind"));
    done->setText(tr("Close"));
    done->setAutoRaise(true);

    auto* caption = new QLabel(tr("Find:"), this);
    caption->setBuddy(findText); // names the box for screen readers

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(caption);
    layout->addWidget(findText, 1);
    layout->addWidget(matches);
    layout->addWidget(done);

    connect(findText, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_page.findText(text, false); });
    connect(done, &QToolButton::clicked, this, &FindBar::dismiss);
    connect(&page, &BrowserControl::findResult, this, &FindBar::showMatches);
    hide();
}

void FindBar::open()
{
    const bool wasHidden = isHidden();
    show();
    findText->setFocus(Qt::ShortcutFocusReason);
    findText->selectAll();
    if (wasHidden) {
        emit opened();
        if (!findText->text().isEmpty())
            m_page.findText(findText->text(), false);
    }
}

void FindBar::dismiss()
{
    if (isHidden())
        return;
    hide();
    m_page.findText(QString(), false);
    emit closed();
}

void FindBar::showMatches(int current, int total)
{
    matches->setText(findText->text().isEmpty() ? QString()
                                                : tr("%1 of %2").arg(current).arg(total));
}

bool FindBar::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Escape) {
        dismiss();
        return true;
    }
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    if (!findText->text().isEmpty())
        m_page.findText(findText->text(), key->modifiers() & Qt::ShiftModifier);
    return true;
}
