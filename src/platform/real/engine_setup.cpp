#include "platform/real/engine_setup.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QLoggingCategory>
#include <QtGlobal>

#include <cstdio>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace EngineSetup {

namespace {

void addChromiumFlag(const char* flag)
{
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (flags.contains(flag))
        return;
    if (!flags.isEmpty())
        flags += ' ';
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags + flag);
}

bool runsAsRoot()
{
#if defined(Q_OS_UNIX)
    return geteuid() == 0;
#else
    return false;
#endif
}

} // namespace

bool displayAvailable()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fputs("brivola: no display to show windows on; start it from a desktop session, "
                   "or headless with: xvfb-run -s \"-screen 0 1280x1024x24\" brivola\n",
                   stderr);
        return false;
    }
#endif
    return true;
}

void configure()
{
    if (runsAsRoot() && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX")) {
        std::fputs("brivola: running as root, so the web engine runs without its sandbox\n",
                   stderr);
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen")
        addChromiumFlag("--disable-gpu");
    // The engine reports its graphics set-up at every start; that is noise to the user.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

} // namespace EngineSetup
