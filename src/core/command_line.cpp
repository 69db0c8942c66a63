#include "core/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

namespace CommandLine {

namespace {

// The parser with the program's options; it is built anew for each use, as a parser parses once.
struct Options {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    Options()
    {
        parser.setApplicationDescription(
            tr("Brivola 2.0: a web-browsing shell with a multiple-document frame and a full-screen "
               "mode.\nStarted with an address, it opens that address when full-screen mode "
               "starts.\nWhile it runs, a second start hands its addresses to the running program "
               "and ends.\nQt's own options (-platform, -style, ...) are taken by Qt."));
        // "-hv" is one unknown word, kept in the address, not two options.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOption(help);
        parser.addOption(version);
        parser.addOption(newWindow);
        parser.addPositionalArgument(
            QStringLiteral("address"),
            tr("The page full-screen mode opens; the arguments are joined by spaces. "
               "After \"--\", arguments that start with a dash are part of it too."),
            tr("[address...]"));
    }

    QCommandLineParser parser;
    const QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                                  tr("Show this help and exit.")};
    const QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                                     tr("Show the version and exit.")};
    const QCommandLineOption newWindow{
        QStringLiteral("new-window"),
        tr("Open each address in a new browser window of the frame instead.")};
};

// The arguments parsed; unknown options are not an error: like every other argument, they
// belong to the address.
bool parsedWith(Options& options, const QStringList& arguments)
{
    return options.parser.parse(QStringList{QString()} + arguments);
}

} // namespace

Request request(const QStringList& arguments)
{
    Options options;
    (void)parsedWith(options, arguments);
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
    Options options;
    (void)parsedWith(options, arguments);
    if (options.parser.isSet(options.newWindow))
        return {};
    QStringList words = arguments;
    words.removeOne(QStringLiteral("--"));
    return words.join(QLatin1Char(' '));
}

QStringList newWindowAddresses(const QStringList& arguments)
{
    Options options;
    (void)parsedWith(options, arguments);
    if (!options.parser.isSet(options.newWindow))
        return {};
    return options.parser.positionalArguments();
}

QStringList addressesToHandOver(const QStringList& arguments)
{
    const QString fullScreenAddress = address(arguments);
    if (!fullScreenAddress.isEmpty())
        return {fullScreenAddress};
    return newWindowAddresses(arguments);
}

} // namespace CommandLine
