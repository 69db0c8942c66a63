#include "platform/linux_system_info.h"
#include "support/test_main.h"

#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>

#include <bit>
#include <ctime>

namespace {

// Writes "relative/path=contents" entries below the directory.
void writeTree(const QString& root, const QStringList& files)
{
    for (const QString& entry : files) {
        const QString path = QDir(root).filePath(entry.section(QLatin1Char('='), 0, 0));
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(entry.section(QLatin1Char('='), 1).toUtf8() + '\n');
    }
}

quint64 meminfoTotalBytes()
{
    QFile file(QStringLiteral("/proc/meminfo"));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QString first = QString::fromLatin1(file.readLine()); // "MemTotal:  24683772 kB"
    return first.split(QLatin1Char(' '), Qt::SkipEmptyParts).value(1).toULongLong() * 1024;
}

} // namespace

class TestLinuxSystemInfo : public QObject {
    Q_OBJECT
private slots:
    void processorType_data();
    void processorType();
    void thisMachine();
    void memoryFromMeminfo_data();
    void memoryFromMeminfo();
    void uptimeFromProc();
    void power_data();
    void power();
};

void TestLinuxSystemInfo::processorType_data()
{
    QTest::addColumn<QString>("machine");
    QTest::addColumn<quint32>("type");
    QTest::newRow("x86-64") << "x86_64" << quint32(8664);
    QTest::newRow("i386") << "i386" << quint32(386);
    QTest::newRow("i486") << "i486" << quint32(486);
    QTest::newRow("i586") << "i586" << quint32(586);
    QTest::newRow("i686 is a Pentium too") << "i686" << quint32(586);
    QTest::newRow("64-bit ARM") << "aarch64" << quint32(183);
    QTest::newRow("32-bit ARM") << "armv7l" << quint32(40);
    QTest::newRow("RISC-V") << "riscv64" << quint32(243);
    QTest::newRow("unknown") << "vax" << quint32(0);
}

void TestLinuxSystemInfo::processorType()
{
    QFETCH(QString, machine);
    QFETCH(quint32, type);
    QCOMPARE(LinuxSystemInfo::processorType(machine), type);
}

void TestLinuxSystemInfo::thisMachine()
{
    const LinuxSystemInfo info;
    const SystemInfoRecord system = info.systemInfo();
    if (QSysInfo::currentCpuArchitecture() == QLatin1String("x86_64"))
        QCOMPARE(system.dwProcessorType, quint32(8664));
    QVERIFY(system.dwNumberOfProcessors >= 1);
    int local = 0;
    const auto address = reinterpret_cast<quintptr>(&local);
    QVERIFY(system.lpMinimumApplicationAddress < address);
    QVERIFY(address < system.lpMaximumApplicationAddress);
    QVERIFY(std::has_single_bit(system.lpMaximumApplicationAddress + 1));

    const MemoryStatusRecord memory = info.memoryStatus();
    QCOMPARE(memory.dwTotalPhys, meminfoTotalBytes());
    QVERIFY(memory.dwAvailPhys <= memory.dwTotalPhys);
    QVERIFY(memory.dwMemoryLoad <= 100);
    QVERIFY(memory.dwTotalVirtual > 0);
    QVERIFY(memory.dwAvailVirtual < memory.dwTotalVirtual); // this process uses some

    timespec boot{};
    QCOMPARE(clock_gettime(CLOCK_BOOTTIME, &boot), 0);
    const qint64 sinceBoot = qint64(boot.tv_sec) * 1000 + boot.tv_nsec / 1000000;
    QVERIFY(qAbs(qint64(info.uptimeMilliseconds()) - sinceBoot) < 2000);
}

void TestLinuxSystemInfo::memoryFromMeminfo_data()
{
    QTest::addColumn<QString>("meminfo");
    QTest::addColumn<quint64>("total");
    QTest::addColumn<quint64>("available");
    QTest::addColumn<quint32>("load");
    QTest::newRow("6 GiB, 1 GiB available")
        << "MemTotal:        6291456 kB\nMemFree:          524288 kB\nMemAvailable:    1048576 kB"
        << quint64(6442450944) << quint64(1073741824) << quint32(83);
    QTest::newRow("an old kernel without MemAvailable")
        << "MemTotal:        2097152 kB\nMemFree:         1048576 kB" << quint64(2147483648)
        << quint64(1073741824) << quint32(50);
    QTest::newRow("unreadable") << "" << quint64(0) << quint64(0) << quint32(0);
}

void TestLinuxSystemInfo::memoryFromMeminfo()
{
    QFETCH(QString, meminfo);
    QFETCH(quint64, total);
    QFETCH(quint64, available);
    QFETCH(quint32, load);
    QTemporaryDir root;
    writeTree(root.path(), {QStringLiteral("proc/meminfo=") + meminfo});
    const MemoryStatusRecord memory = LinuxSystemInfo(root.path()).memoryStatus();
    QCOMPARE(memory.dwTotalPhys, total);
    QCOMPARE(memory.dwAvailPhys, available);
    QCOMPARE(memory.dwMemoryLoad, load);
}

void TestLinuxSystemInfo::uptimeFromProc()
{
    QTemporaryDir root;
    writeTree(root.path(), {QStringLiteral("proc/uptime=5184000.25 10368000.00"),
                            QStringLiteral("proc/sys/vm/mmap_min_addr=65536")});
    const LinuxSystemInfo info(root.path());
    QCOMPARE(info.uptimeMilliseconds(), quint64(5184000250));
    QCOMPARE(info.systemInfo().lpMinimumApplicationAddress, quint64(65536));
}

void TestLinuxSystemInfo::power_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<int>("ac");
    QTest::addColumn<int>("flag");
    QTest::addColumn<int>("percent");
    QTest::addColumn<quint32>("seconds");
    const quint32 unknown = PowerStatusRecord::kUnknownLifeTime;
    const QString mains = QStringLiteral("sys/class/power_supply/AC/");
    const QString bat = QStringLiteral("sys/class/power_supply/BAT0/");

    QTest::newRow("no power supplies") << QStringList{} << 255 << 128 << 255 << unknown;
    QTest::newRow("mains only") << QStringList{mains + "type=Mains", mains + "online=1"} << 1 << 128
                                << 255 << unknown;
    QTest::newRow("charging at 50%")
        << QStringList{mains + "type=Mains", mains + "online=1", bat + "type=Battery",
                       bat + "status=Charging", bat + "capacity=50"}
        << 1 << 8 << 50 << unknown;
    QTest::newRow("on battery at 80%, 90 minutes left")
        << QStringList{mains + "type=Mains", mains + "online=0",
                       bat + "type=Battery", bat + "status=Discharging",
                       bat + "capacity=80",  bat + "time_to_empty_now=5400"}
        << 0 << 1 << 80 << quint32(5400);
    QTest::newRow("low, time from energy and power")
        << QStringList{bat + "type=Battery", bat + "status=Discharging", bat + "capacity=20",
                       bat + "energy_now=20000000", bat + "power_now=10000000"}
        << 0 << 2 << 20 << quint32(7200);
    QTest::newRow("critical, time from charge and current")
        << QStringList{bat + "type=Battery", bat + "status=Discharging", bat + "capacity=3",
                       bat + "charge_now=300000", bat + "current_now=600000"}
        << 0 << 4 << 3 << quint32(1800);
    QTest::newRow("full, no adapter listed")
        << QStringList{bat + "type=Battery", bat + "status=Full", bat + "capacity=100"} << 1 << 1
        << 100 << unknown;
    QTest::newRow("percent from energy")
        << QStringList{bat + "type=Battery", bat + "status=Unknown", bat + "energy_now=30",
                       bat + "energy_full=60"}
        << 255 << 0 << 50 << unknown;
    QTest::newRow("a mouse's battery is not the system's")
        << QStringList{mains + "type=Mains", mains + "online=1",
                       "sys/class/power_supply/mouse/type=Battery",
                       "sys/class/power_supply/mouse/scope=Device",
                       "sys/class/power_supply/mouse/capacity=10"}
        << 1 << 128 << 255 << unknown;
    QTest::newRow("an empty battery bay")
        << QStringList{bat + "type=Battery", bat + "present=0"} << 255 << 128 << 255 << unknown;
}

void TestLinuxSystemInfo::power()
{
    QFETCH(QStringList, files);
    QFETCH(int, ac);
    QFETCH(int, flag);
    QFETCH(int, percent);
    QFETCH(quint32, seconds);
    QTemporaryDir root;
    writeTree(root.path(), files);
    const PowerStatusRecord power = LinuxSystemInfo(root.path()).powerStatus();
    QCOMPARE(int(power.ACLineStatus), ac);
    QCOMPARE(int(power.BatteryFlag), flag);
    QCOMPARE(int(power.BatteryLifePercent), percent);
    QCOMPARE(power.BatteryLifeTime, seconds);
}

BRIVOLA_TEST_MAIN(TestLinuxSystemInfo)
#include "tst_linux_system_info.moc"
