// Brivola 2.0: a web-browsing shell with a multiple-document frame and a full-screen mode.

#include "core/command_line.h"
#include "core/translations.h"
#include "platform/real/engine_setup.h"
#include "platform/real/session_hand_off.h"
#include "platform/startup_log.h"
#include "shell/app.h"
#include "shell/real_platform.h"
#include "shell/signal_exit.h"
#include "shell/splash_window.h"
#include "widgets/icons.h"

#include <QApplication>
#include <QTextStream>

#include <cstdio>

namespace {

QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// "--help" and "--version" are answered on standard output, without a display or the engine.
bool answeredAtOnce(int& argc, char* argv[])
{
    const CommandLine::Request request = CommandLine::request(argumentsOf(argc, argv));
    if (request == CommandLine::Request::Run)
        return false;
    const QCoreApplication application(argc, argv); // names the program in the usage line
    Translations::install();
    QTextStream(stdout) << (request == CommandLine::Request::Help
                                ? CommandLine::helpText()
                                : CommandLine::versionText() + EngineSetup::engineVersion() + '\n');
    return true;
}

// A second start in the session gives its addresses to the program already running, without
// loading the window system or the engine, so that its pages open at once.
bool handedToRunningProgram(int& argc, char* argv[])
{
    const QCoreApplication application(argc, argv);
    const QString connection = QStringLiteral("brivola-hand-off");
    const bool handed = SessionHandOff::handOver(
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, connection),
        CommandLine::addressesToHandOver(argumentsOf(argc, argv)));
    QDBusConnection::disconnectFromBus(connection);
    return handed;
}

// Without a display the program says so, in the user's language, and ends.
bool displayMissing(int& argc, char* argv[])
{
    if (EngineSetup::displayAvailable())
        return false;
    const QCoreApplication application(argc, argv);
    Translations::install();
    std::fprintf(stderr, "brivola: %s\n", qPrintable(EngineSetup::noDisplayMessage(argv[0])));
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    StartupLog::milestone("process start");
    QCoreApplication::setApplicationName(QStringLiteral("brivola"));
    QCoreApplication::setApplicationVersion(QStringLiteral(BRIVOLA_VERSION));
    if (answeredAtOnce(argc, argv) || handedToRunningProgram(argc, argv))
        return 0;
    if (displayMissing(argc, argv))
        return 1;
    const bool withoutSandbox = EngineSetup::configure();

    QApplication application(argc, argv);
    Translations::install();
    if (withoutSandbox)
        std::fprintf(stderr, "brivola: %s\n", qPrintable(EngineSetup::sandboxMessage()));
    EngineSetup::chooseCompositing();
    // The desktop shell matches the windows to the installed desktop entry of this id.
    QGuiApplication::setDesktopFileName(QStringLiteral(BRIVOLA_APP_ID));
    QApplication::setWindowIcon(programIcon());

    // Another start may have become the session's program since this one looked.
    SessionHandOff session(QDBusConnection::sessionBus());
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (!session.claim())
        return SessionHandOff::handOver(QDBusConnection::sessionBus(),
                                        CommandLine::addressesToHandOver(arguments))
                   ? 0
                   : 1;

    App app(realPlatform());
    QObject::connect(&session, &SessionHandOff::addressesReceived, &session,
                     [&app](const QStringList& addresses) { app.openFromOutside(addresses); });
    app.openFromOutside(CommandLine::newWindowAddresses(arguments));
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
