// brivola-restrictions: the administrator's tool for the parental restriction list of
// Brivola's full-screen mode.

#include "admin/restrictions_tool.h"
#include "core/command_line.h"
#include "platform/real/qt_settings_store.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

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

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("brivola-restrictions"));
    QCoreApplication::setApplicationVersion(QStringLiteral(BRIVOLA_VERSION));
    QTextStream out(stdout);
    if (asksVersion(QCoreApplication::arguments())) {
        out << CommandLine::versionText();
        return RestrictionsTool::kDone;
    }
    QtSettingsStore user;
    QtSettingsStore system(QtSettingsStore::systemDirectory());
    QTextStream err(stderr);
    return RestrictionsTool::run(QCoreApplication::arguments().mid(1), user, system, out, err);
}
