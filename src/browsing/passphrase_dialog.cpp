#include "browsing/passphrase_dialog.h"

#include "core/passphrase.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <chrono>

PassphraseDialog::PassphraseDialog(const QString& hash, Tries& tries, QWidget* parent)
    : QDialog(parent), passphraseBox(new QLineEdit(this)), statusLabel(new QLabel(this)),
      leaveButton(new QPushButton(tr("Leave full-screen mode"), this)), m_hash(hash),
      m_tries(tries), m_pause(new QTimer(this))
{
    setObjectName(QStringLiteral("passphraseDialog"));
    setWindowTitle(tr("Parent passphrase"));
    setModal(true);
    passphraseBox->setObjectName(QStringLiteral("passphraseBox"));
    passphraseBox->setEchoMode(QLineEdit::Password);
    statusLabel->setObjectName(QStringLiteral("statusLabel"));
    leaveButton->setObjectName(QStringLiteral("leaveButton"));
    leaveButton->setDefault(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    buttons->addButton(leaveButton, QDialogButtonBox::AcceptRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(tr("A parent's passphrase is needed to leave full-screen mode."), this));
    layout->addWidget(passphraseBox);
    layout->addWidget(statusLabel);
    layout->addWidget(buttons);
    connect(leaveButton, &QPushButton::clicked, this, &PassphraseDialog::tryPassphrase);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_pause->setSingleShot(true);
    connect(m_pause, &QTimer::timeout, this, &PassphraseDialog::waitForNextTry);
    waitForNextTry();
}

void PassphraseDialog::tryPassphrase()
{
    if (!m_tries.nextTry.hasExpired())
        return;
    if (Passphrase::check(m_hash, passphraseBox->text()) == Passphrase::Verdict::Right) {
        m_tries = {};
        accept();
        return;
    }
    passphraseBox->clear();
    ++m_tries.misses;
    m_tries.nextTry.setRemainingTime(Passphrase::pauseAfter(m_tries.misses));
    waitForNextTry();
}

void PassphraseDialog::waitForNextTry()
{
    using namespace std::chrono;
    const auto left = ceil<milliseconds>(m_tries.nextTry.remainingTimeAsDuration());
    const bool waiting = !m_tries.nextTry.hasExpired() && left > 0ms;
    passphraseBox->setEnabled(!waiting);
    leaveButton->setEnabled(!waiting);
    if (m_tries.misses == 0)
        statusLabel->clear();
    else if (waiting)
        statusLabel->setText(
            tr(kWrongMessage.toUtf8().constData()) +
            tr(" Wait %1 seconds before the next try.").arg(ceil<seconds>(left).count()));
    else
        statusLabel->setText(tr(kWrongMessage.toUtf8().constData()));
    if (waiting)
        m_pause->start(left);
    else
        passphraseBox->setFocus();
}
