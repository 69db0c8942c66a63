#include "shell/signal_exit.h"

#include "platform/real/termination_signals.h"
#include "shell/app.h"

#include <QApplication>
#include <QDialog>
#include <QThread>
#include <QTimer>
#include <QWidget>

namespace {

constexpr int kUnwindCheckMs = 20;

} // namespace

SignalExit::SignalExit(App& app) : m_app(app)
{
    // A second signal while the windows close changes nothing: logout sends several.
    connect(new TerminationSignals(this), &TerminationSignals::received, this, [this] {
        if (!std::exchange(m_ending, true))
            endProgram();
    });
}

// An open menu or dialog is closed first, as Esc closes it, which answers a question with its
// safe choice. The windows close only once the event loops those ran have returned, so that no
// code still waiting on a dialog finds its window gone.
void SignalExit::endProgram()
{
    QWidget* open = QApplication::activePopupWidget();
    if (!open)
        open = QApplication::activeModalWidget();
    if (open && !open->close()) {
        if (auto* dialog = qobject_cast<QDialog*>(open))
            dialog->reject();
    }
    if (open || QThread::currentThread()->loopLevel() > 1) {
        QTimer::singleShot(kUnwindCheckMs, this, &SignalExit::endProgram);
        return;
    }
    m_app.exitWithoutQuestions();
}
