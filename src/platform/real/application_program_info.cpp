#include "platform/real/application_program_info.h"

#include "core/command_line.h"
#include "core/twips.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QString ApplicationProgramInfo::commandLine() const
{
    // QApplication has already taken its own options (-platform, ...) out of the arguments.
    return CommandLine::address(QCoreApplication::arguments().mid(1));
}

QString ApplicationProgramInfo::programDirectory() const
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

QSize ApplicationProgramInfo::screenSizeTwips(const QWidget* window) const
{
    const QScreen* screen = window ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    return Twips::fromPixels(screen->size());
}
