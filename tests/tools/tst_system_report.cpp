#include "support/test_main.h"
#include "tools/system_report.h"

class TestSystemReport : public QObject {
    Q_OBJECT
private slots:
    void wholeReport();
    void uptime_data();
    void uptime();
    void kilobytes_data();
    void kilobytes();
    void acText_data();
    void acText();
    void batteryText_data();
    void batteryText();
    void timeLeftText_data();
    void timeLeftText();
};

namespace {

SystemReadings sampleReadings()
{
    SystemReadings readings;
    readings.system = {586, 2, 65536, 2147418111};
    readings.memory = {42, 33554432, 1000000, 6442450944, 2147352576};
    readings.power = {255, 9, 255, 0xFFFFFFFF};
    readings.uptimeMilliseconds = 90 * 60 * 1000;
    return readings;
}

// The uptime line of a report built at the given uptime.
QString uptimeLine(quint64 milliseconds)
{
    SystemReadings readings = sampleReadings();
    readings.uptimeMilliseconds = milliseconds;
    return SystemReport::text(readings, QString(), QString()).split(QStringLiteral("\r\n"))[2];
}

} // namespace

void TestSystemReport::wholeReport()
{
    const QString expected =
        QStringLiteral("System Information as of: Sunday, April 19, 1998, 3:45 PM\r\n"
                       "\r\n"
                       "Windows has been running for: 1 Hours 30 Minutes\r\n"
                       "\r\n"
                       "<-- Processor Information -->\r\n"
                       "Processor Type: 586\r\n"
                       "# Of Processors: 2\r\n"
                       "Minimum Application Address: 65536\r\n"
                       "Maximum Application Address: 2147418111\r\n"
                       "\r\n"
                       "<-- Memory Information -->\r\n"
                       "Memory Use: 42%\r\n"
                       "Total Physical Memory: 32768 Kilobytes\r\n"
                       "Available Physical Memory: 976.5625 Kilobytes\r\n"
                       "Total Virtual Memory: 6291456 Kilobytes\r\n"
                       "Available Virtual Memory: 2097024 Kilobytes\r\n"
                       "\r\n"
                       "<-- Power Information -->\r\n"
                       "AC Power Status:  Status Unknown\r\n"
                       "Battery Status: \r\n"
                       "Percent Of Battery Charge: 255%\r\n"
                       "Time Left (min): Status Unknown\r\n");
    QCOMPARE(SystemReport::text(sampleReadings(), QStringLiteral("Sunday, April 19, 1998"),
                                QStringLiteral("3:45 PM")),
             expected);
}

void TestSystemReport::uptime_data()
{
    QTest::addColumn<quint64>("milliseconds");
    QTest::addColumn<QString>("line");
    QTest::newRow("59 seconds") << quint64(59000)
                                << "Windows has been running for: 0 Hours 0 Minutes";
    QTest::newRow("90 minutes") << quint64(5400000)
                                << "Windows has been running for: 1 Hours 30 Minutes";
    QTest::newRow("just under a day")
        << quint64(86399999) << "Windows has been running for: 23 Hours 59 Minutes";
    // Past the 49.7 days a 32-bit count of milliseconds holds.
    QTest::newRow("60 days") << quint64(60) * 24 * 3600 * 1000
                             << "Windows has been running for: 1440 Hours 0 Minutes";
}

void TestSystemReport::uptime()
{
    QFETCH(quint64, milliseconds);
    QFETCH(QString, line);
    QCOMPARE(uptimeLine(milliseconds), line);
}

void TestSystemReport::kilobytes_data()
{
    QTest::addColumn<quint64>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("32 MiB") << quint64(33554432) << "32768";
    QTest::newRow("a million bytes") << quint64(1000000) << "976.5625";
    QTest::newRow("6 GiB, past 32 bits") << quint64(6442450944) << "6291456";
    QTest::newRow("1 TiB") << (quint64(1) << 40) << "1073741824";
    QTest::newRow("one byte") << quint64(1) << "0.0009765625";
    QTest::newRow("nothing") << quint64(0) << "0";
}

void TestSystemReport::kilobytes()
{
    QFETCH(quint64, bytes);
    QFETCH(QString, text);
    QCOMPARE(SystemReport::kilobytes(bytes), text);
}

void TestSystemReport::acText_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "Not Connected";
    QTest::newRow("1") << 1 << "Connected";
    QTest::newRow("255") << 255 << " Status Unknown";
    QTest::newRow("2") << 2 << "";
}

void TestSystemReport::acText()
{
    QFETCH(int, status);
    QFETCH(QString, text);
    QCOMPARE(SystemReport::acText(static_cast<quint8>(status)), text);
}

void TestSystemReport::batteryText_data()
{
    QTest::addColumn<int>("flag");
    QTest::addColumn<QString>("text");
    QTest::newRow("1") << 1 << "High";
    QTest::newRow("2") << 2 << "Low";
    QTest::newRow("4") << 4 << "Critical";
    QTest::newRow("8") << 8 << "Charging";
    QTest::newRow("128") << 128 << "No system battery";
    QTest::newRow("255") << 255 << "Status Unknown";
    QTest::newRow("9: high and charging") << 9 << "";
    QTest::newRow("0: medium charge") << 0 << "";
}

void TestSystemReport::batteryText()
{
    QFETCH(int, flag);
    QFETCH(QString, text);
    QCOMPARE(SystemReport::batteryText(static_cast<quint8>(flag)), text);
}

void TestSystemReport::timeLeftText_data()
{
    QTest::addColumn<quint32>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("unknown, -1") << quint32(0xFFFFFFFF) << "Status Unknown";
    QTest::newRow("30 s") << quint32(30) << "Status Unknown";
    QTest::newRow("0 s") << quint32(0) << "Status Unknown";
    QTest::newRow("one minute") << quint32(60) << " 1";
    QTest::newRow("5400 s") << quint32(5400) << " 90";
    QTest::newRow("-120 s") << quint32(0xFFFFFF88) << "-2";
}

void TestSystemReport::timeLeftText()
{
    QFETCH(quint32, seconds);
    QFETCH(QString, text);
    QCOMPARE(SystemReport::timeLeftText(seconds), text);
}

BRIVOLA_TEST_MAIN(TestSystemReport)
#include "tst_system_report.moc"
