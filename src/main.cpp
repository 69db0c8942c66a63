// Brivola 2.0: a web-browsing shell with a multiple-document frame and a full-screen mode.

#include "platform/real/engine_setup.h"
#include "platform/startup_log.h"
#include "shell/app.h"
#include "shell/real_platform.h"
#include "shell/splash_window.h"
#include "widgets/icons.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    StartupLog::milestone("process start");
    if (!EngineSetup::displayAvailable())
        return 1;
    EngineSetup::configure();

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("brivola"));
    QApplication::setWindowIcon(programIcon());

    App app(realPlatform());
    auto* splash = new frmSplash(app);
    splash->setAttribute(Qt::WA_DeleteOnClose);
    splash->show();
    StartupLog::milestone("splash shown");

    const int status = QApplication::exec();
    // Windows closed in the last moments are deleted now, while the engine is still up.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
