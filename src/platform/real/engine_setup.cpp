#include "platform/real/engine_setup.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QLoggingCategory>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QQuickWindow>
#include <QtGlobal>
#include <QtWebEngineCore/qtwebenginecoreglobal.h>

#include <algorithm>
#include <cctype>
#include <cstring>

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

// Mesa's software renderers name themselves so; a context that cannot be made counts too.
bool openGLRunsInSoftware()
{
    QOpenGLContext context;
    QOffscreenSurface surface;
    surface.create();
    if (!context.create() || !context.makeCurrent(&surface))
        return true;
    const QByteArray renderer(
        reinterpret_cast<const char*>(context.functions()->glGetString(GL_RENDERER)));
    context.doneCurrent();
    for (const char* software : {"llvmpipe", "softpipe", "Software Rasterizer"}) {
        if (renderer.contains(software))
            return true;
    }
    return false;
}

// The word as a shell reads it back: quoted when it holds anything but plain path characters.
QByteArray shellWord(const QByteArray& word)
{
    const bool plain = !word.isEmpty() && std::all_of(word.cbegin(), word.cend(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || std::strchr("/._+-", c);
    });
    if (plain)
        return word;
    return '\'' + QByteArray(word).replace("'", "'\\''") + '\'';
}

} // namespace

QString engineVersion()
{
    //: %1 and %2 are version numbers, %3 the version whose security fixes the engine has.
    return QCoreApplication::translate("EngineSetup",
                                       "Qt WebEngine %1, Chromium %2 (security fixes of %3)")
        .arg(QLatin1String(qWebEngineVersion()), QLatin1String(qWebEngineChromiumVersion()),
             QLatin1String(qWebEngineChromiumSecurityPatchVersion()));
}

bool displayAvailable()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

QString noDisplayMessage(const char* program)
{
    // -a takes a free display number: the default one may be taken.
    const QString command = QStringLiteral("xvfb-run -a -s \"-screen 0 1280x1024x24\" ") +
                            QString::fromLocal8Bit(shellWord(program));
    //: %1 is the command that starts the program headless.
    return QCoreApplication::translate("EngineSetup",
                                       "no display to show windows on; start it from a desktop "
                                       "session, or headless with: %1")
        .arg(command);
}

QString sandboxMessage()
{
    return QCoreApplication::translate(
        "EngineSetup", "running as root, so the web engine runs without its sandbox");
}

bool configure()
{
    const bool withoutSandbox =
        runsAsRoot() && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX");
    if (withoutSandbox)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen")
        addChromiumFlag("--disable-gpu");
    // The engine reports its graphics set-up at every start; that is noise to the user.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    return withoutSandbox;
}

void chooseCompositing()
{
    // A renderer the user chose stands.
    if (!qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND") ||
        !qEnvironmentVariableIsEmpty("QSG_RHI_BACKEND"))
        return;
    // Composing through a software OpenGL costs more time and memory than painting, and Qt 6.4
    // keeps the OpenGL buffers of every page closed inside the frame.
    if (openGLRunsInSoftware())
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}

} // namespace EngineSetup
