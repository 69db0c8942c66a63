// brivola-restrictions: the administrator's tool for the parental restriction list of
// Brivola's full-screen mode.

#include "admin/restrictions_tool.h"
#include "core/command_line.h"
#include "core/translations.h"
#include "platform/real/machine_settings_files.h"
#include "platform/real/qt_settings_store.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>
#include <iostream>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace {

// "--version" before the command; the rest of the command line, usage errors included, is
// the tool's own.
bool asksVersion(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOption(version);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    (void)parser.parse(arguments);
    return parser.isSet(version);
}

// On a terminal the passphrase is asked for and not shown while typed; otherwise it is the next
// line of the input.
std::optional<QString> readPassphrase(const QString& prompt)
{
    const bool terminal = ::isatty(STDIN_FILENO) == 1;
    termios shown{};
    if (terminal) {
        std::fputs(prompt.toLocal8Bit().constData(), stderr);
        std::fflush(stderr);
        ::tcgetattr(STDIN_FILENO, &shown);
        termios hidden = shown;
        hidden.c_lflag &= ~tcflag_t(ECHO);
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &hidden);
    }
    std::string line;
    const bool read = static_cast<bool>(std::getline(std::cin, line));
    if (terminal) {
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &shown);
        std::fputc('\n', stderr);
    }
    if (!read)
        return std::nullopt;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("brivola-restrictions"));
    QCoreApplication::setApplicationVersion(QStringLiteral(BRIVOLA_VERSION));
    Translations::install();
    QTextStream out(stdout);
    if (asksVersion(QCoreApplication::arguments())) {
        out << CommandLine::versionText();
        return RestrictionsTool::kDone;
    }
    QtSettingsStore user;
    // Every user reads the machine's settings, whatever the administrator's umask.
    QtSettingsStore system(MachineSettingsFiles::builtInFolder(),
                           QtSettingsStore::Readers::Everyone);
    const MachineSettingsFiles machine;
    QTextStream err(stderr);
    return RestrictionsTool::run(QCoreApplication::arguments().mid(1),
                                 {user, system, machine, readPassphrase}, out, err);
}
