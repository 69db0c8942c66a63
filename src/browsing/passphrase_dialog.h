#pragma once

// The question for the parent passphrase that full-screen mode asks before it lets anyone leave.
// Wrong answers make it wait longer and longer before the next try, also when it is closed and
// asked again.

#include <QDeadlineTimer>
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

class PassphraseDialog : public QDialog {
    Q_OBJECT
public:
    // The wrong tries so far, kept by the window that asks, so that closing the dialog and
    // asking again does not start afresh.
    struct Tries {
        int misses = 0;
        QDeadlineTimer nextTry;
    };

    inline static const QString kWrongMessage =
        QStringLiteral(QT_TRANSLATE_NOOP("PassphraseDialog", "Wrong passphrase."));

    PassphraseDialog(const QString& hash, Tries& tries, QWidget* parent);

    QLineEdit* const passphraseBox;
    QLabel* const statusLabel;
    QPushButton* const leaveButton;

public slots:
    // Checks the passphrase typed: the right one accepts the dialog.
    void tryPassphrase();

private:
    // Takes no try until the pause after the last miss is over.
    void waitForNextTry();

    QString m_hash;
    Tries& m_tries;
    QTimer* m_pause;
};
