// Brivola 2.0: a web-browsing shell with a multiple-document frame and a full-screen mode.

#include "core/command_line.h"
#include "platform/real/engine_setup.h"
#include "platform/startup_log.h"
#include "shell/app.h"
#include "shell/real_platform.h"
#include "shell/signal_exit.h"
#include "shell/splash_window.h"
#include "widgets/icons.h"

#include <QApplication>
#include <QTextStream>

namespace {

// "--help" and "--version" (with the engine's version) are answered on standard output, without a
// display or the engine.
bool answeredAtOnce(int& argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const CommandLine::Request request = CommandLine::request(arguments);
    if (request == CommandLine::Request::Run)
        return false;
    const QCoreApplication application(argc, argv); // names the program in the usage line
    QTextStream(stdout) << (request == CommandLine::Request::Help
                                ? CommandLine::helpText()
                                : CommandLine::versionText() + EngineSetup::engineVersion() + '\n');
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    StartupLog::milestone("process start");
    QCoreApplication::setApplicationName(QStringLiteral("brivola"));
    QCoreApplication::setApplicationVersion(QStringLiteral(BRIVOLA_VERSION));
    if (answeredAtOnce(argc, argv))
        return 0;
    if (!EngineSetup::displayAvailable(argv[0]))
        return 1;
    EngineSetup::configure();

    QApplication application(argc, argv);
    EngineSetup::chooseCompositing();
    // The desktop shell matches the windows to the installed desktop entry of this id.
    QGuiApplication::setDesktopFileName(QStringLiteral(BRIVOLA_APP_ID));
    QApplication::setWindowIcon(programIcon());

    App app(realPlatform());
    const SignalExit signalExit(app);
    auto* splash = new SplashWindow(app);
    splash->setAttribute(Qt::WA_DeleteOnClose);
    splash->show();
    StartupLog::milestone("splash shown");

    const int status = QApplication::exec();
    // Windows closed in the last moments are deleted now, while the engine is still up.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
