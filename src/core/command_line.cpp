#include "core/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

namespace CommandLine {

namespace {

// The parser with the program's options; it is built anew for each use, as a parser parses once.
struct Options {
    Options()
    {
        parser.setApplicationDescription(QStringLiteral(
            "Brivola 2.0: a web-browsing shell with a multiple-document frame and a full-screen "
            "mode.\nStarted with an address, it opens that address when full-screen mode "
            "starts.\nQt's own options (-platform, -style, ...) are taken by Qt."));
        // "-hv" is one unknown word, kept in the address, not two options.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOption(help);
        parser.addOption(version);
        parser.addPositionalArgument(
            QStringLiteral("address"),
            QStringLiteral("The page full-screen mode opens; the arguments are joined by spaces. "
                           "After \"--\", arguments that start with a dash are part of it too."),
            QStringLiteral("[address...]"));
    }

    QCommandLineParser parser;
    const QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit.")};
    const QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit.")};
};

} // namespace

Request request(const QStringList& arguments)
{
    Options options;
    // Unknown options are not an error: like every other argument, they belong to the address.
    (void)options.parser.parse(QStringList{QString()} + arguments);
    if (options.parser.isSet(options.help))
        return Request::Help;
    if (options.parser.isSet(options.version))
        return Request::Version;
    return Request::Run;
}

QString helpText()
{
    return Options().parser.helpText();
}

QString versionText()
{
    return QCoreApplication::applicationName() + QLatin1Char(' ') +
           QCoreApplication::applicationVersion() + QLatin1Char('\n');
}

QString address(const QStringList& arguments)
{
    QStringList words = arguments;
    words.removeOne(QStringLiteral("--"));
    return words.join(QLatin1Char(' '));
}

} // namespace CommandLine
