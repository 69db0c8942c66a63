#include "core/command_line.h"
#include "support/test_main.h"

#include <QProcess>

using CommandLine::Request;

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void requestAndAddress_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Request>("request");
        QTest::addColumn<QString>("address");
        QTest::newRow("none") << QStringList() << Request::Run << "";
        QTest::newRow("--help") << QStringList{"--help"} << Request::Help << "";
        QTest::newRow("-v") << QStringList{"-v"} << Request::Version << "";
        QTest::newRow("help first") << QStringList{"--version", "--help"} << Request::Help << "";
        QTest::newRow("after an address")
            << QStringList{"http://a/", "--version"} << Request::Version << "";
        QTest::newRow("one unknown word") << QStringList{"-hv"} << Request::Run << "-hv";
        QTest::newRow("unknown option kept")
            << QStringList{"-x", "http://a/"} << Request::Run << "-x http://a/";
        QTest::newRow("spaces kept") << QStringList{"a ", "b"} << Request::Run << "a  b";
        QTest::newRow("dashes after --")
            << QStringList{"--", "--help", "-v"} << Request::Run << "--help -v";
        QTest::newRow("only the first --")
            << QStringList{"a", "--", "--", "b"} << Request::Run << "a -- b";
    }

    void requestAndAddress()
    {
        QFETCH(QStringList, arguments);
        QFETCH(Request, request);
        QCOMPARE(CommandLine::request(arguments), request);
        if (request == Request::Run) // the address only matters to a program that runs
            QTEST(CommandLine::address(arguments), "address");
    }

    // The built programs, without a display: the two options answer, anything else starts
    // the program, which then finds no display.
    void programs_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("output");
        const QString version = BRIVOLA_VERSION;
        QTest::newRow("version") << BRIVOLA_PROGRAM << QStringList{"--version"} << 0
                                 << "brivola " + version + "\n";
        QTest::newRow("help") << BRIVOLA_PROGRAM << QStringList{"-h"} << 0 << "Usage: ";
        QTest::newRow("address") << BRIVOLA_PROGRAM << QStringList{"-x"} << 1 << "";
        QTest::newRow("after --") << BRIVOLA_PROGRAM << QStringList{"--", "--version"} << 1 << "";
        QTest::newRow("admin tool") << BRIVOLA_RESTRICTIONS_TOOL << QStringList{"--version"} << 0
                                    << "brivola-restrictions " + version + "\n";
    }

    void programs()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(QString, output);
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* display : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(display);
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        QVERIFY(process.waitForFinished());
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QTEST(process.exitCode(), "status");
        const QString printed = QString::fromLocal8Bit(process.readAllStandardOutput());
        QVERIFY2(output.isEmpty() ? printed.isEmpty() : printed.startsWith(output),
                 qPrintable(printed));
    }
};

BRIVOLA_TEST_MAIN(TestCommandLine)
#include "tst_command_line.moc"
