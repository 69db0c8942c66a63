#include "platform/real/session_hand_off.h"
#include "support/test_main.h"

#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>

#include <cstring>
#include <memory>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A session bus of the test's own (dbus-daemon), or none.
class SessionBus {
public:
    explicit SessionBus(bool wanted)
    {
        if (!wanted)
            return;
        m_daemon = std::make_unique<QProcess>();
        m_daemon->start(QStringLiteral("dbus-daemon"),
                        {"--session", "--nofork", "--nopidfile", "--print-address"});
        if (!m_daemon->waitForStarted() || !m_daemon->waitForReadyRead(5000))
            return;
        address = QString::fromUtf8(m_daemon->readLine().trimmed());
        connection = QDBusConnection::connectToBus(address, QStringLiteral("test-bus"));
    }
    ~SessionBus()
    {
        QDBusConnection::disconnectFromBus(QStringLiteral("test-bus"));
        if (m_daemon) {
            m_daemon->kill();
            m_daemon->waitForFinished();
        }
    }
    SessionBus(const SessionBus&) = delete;
    SessionBus& operator=(const SessionBus&) = delete;

    QString address;
    // Not connected where there is no bus.
    QDBusConnection connection{QStringLiteral("no-bus")};

private:
    std::unique_ptr<QProcess> m_daemon;
};

// The real program started a second time in the session, without a display: one that does not
// hand over finds no display and ends with status 1 instead of running.
int secondStart(const SessionBus& bus, const QStringList& arguments, QString* output = nullptr)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    if (bus.address.isEmpty())
        environment.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    else
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.address);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(BRIVOLA_PROGRAM), arguments);
    // The running side answers from this test's event loop.
    QElapsedTimer waited;
    waited.start();
    while (process.state() != QProcess::NotRunning && waited.elapsed() < 20000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        process.waitForFinished(20);
    }
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    if (output)
        *output = QString::fromUtf8(process.readAllStandardOutput());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// A socket file nobody listens on, as a program that was killed leaves it.
bool leaveStaleSocket(const QString& path)
{
    const int descriptor = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::memcpy(address.sun_path, name.constData(), std::min<size_t>(name.size(), 100));
    const bool bound =
        ::bind(descriptor, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(descriptor);
    return bound && QFileInfo::exists(path);
}

} // namespace

class TestHandOff : public QObject {
    Q_OBJECT
private slots:
    // A second start hands its addresses to the running program, which alone holds the session,
    // and ends with status 0, over the session bus or, without one, through the socket.
    void secondStartHandsOver_data()
    {
        QTest::addColumn<bool>("onBus");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("handed");
        for (const bool onBus : {true, false}) {
            const QByteArray via = onBus ? "bus: " : "socket: ";
            QTest::newRow(via + "new windows")
                << onBus << QStringList{"--new-window", "http://127.0.0.1:1/a", "b.org"}
                << QStringList{"http://127.0.0.1:1/a", "b.org"};
            QTest::newRow(via + "full-screen address, as one")
                << onBus << QStringList{"http://a/", "b"} << QStringList{"http://a/ b"};
            QTest::newRow(via + "no address: raise") << onBus << QStringList{} << QStringList{};
            QTest::newRow(via + "new window, no address")
                << onBus << QStringList{"--new-window"} << QStringList{};
        }
    }

    void secondStartHandsOver()
    {
        QFETCH(bool, onBus);
        QFETCH(QStringList, arguments);
        const SessionBus bus(onBus);
        if (onBus && !bus.connection.isConnected())
            QSKIP("no dbus-daemon to run a session bus");
        auto running = std::make_unique<SessionHandOff>(bus.connection);
        QVERIFY(running->claim());
        QVERIFY(!SessionHandOff(bus.connection).claim()); // one program per session
        QSignalSpy received(running.get(), &SessionHandOff::addressesReceived);
        QCOMPARE(secondStart(bus, arguments), 0);
        QCOMPARE(received.size(), 1);
        QTEST(received.first().first().toStringList(), "handed");
        running.reset(); // once it has ended, the session is free again
        QVERIFY(SessionHandOff(bus.connection).claim());
    }

    // The socket a killed program left behind answers nobody: nothing is handed to it, and the
    // next program takes its place and receives the later starts.
    void staleSocketIsReplaced()
    {
        const SessionBus noBus(false);
        QVERIFY(leaveStaleSocket(SessionHandOff::socketPath()));
        QElapsedTimer elapsed;
        elapsed.start();
        QVERIFY(!SessionHandOff::handOver(noBus.connection, {"http://a/"}));
        QVERIFY(elapsed.elapsed() < 2000);
        SessionHandOff running(noBus.connection);
        QVERIFY(running.claim());
        QSignalSpy received(&running, &SessionHandOff::addressesReceived);
        QCOMPARE(secondStart(noBus, {"--new-window", "http://a/"}), 0);
        QCOMPARE(received.size(), 1);
        QCOMPARE(received.first().first().toStringList(), QStringList{"http://a/"});
    }

    // "--help" and "--version" answer on their own while a program runs.
    void optionsNeverHandOff_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("output");
        QTest::newRow("--version")
            << QStringList{"--version"} << QStringLiteral("brivola " BRIVOLA_VERSION "\n");
        QTest::newRow("--help") << QStringList{"--new-window", "a", "--help"}
                                << QStringLiteral("Usage: ");
    }

    void optionsNeverHandOff()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, output);
        const SessionBus noBus(false);
        SessionHandOff running(noBus.connection);
        QVERIFY(running.claim());
        QSignalSpy received(&running, &SessionHandOff::addressesReceived);
        QString printed;
        QCOMPARE(secondStart(noBus, arguments, &printed), 0);
        QVERIFY2(printed.startsWith(output), qPrintable(printed));
        QCOMPARE(received.size(), 0);
    }
};

BRIVOLA_TEST_MAIN(TestHandOff)
#include "tst_hand_off.moc"
