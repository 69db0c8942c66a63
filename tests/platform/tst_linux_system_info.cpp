#include "platform/real/linux_system_info.h"
#include "support/test_main.h"

#include <QDir>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryDir>

#include <bit>
#include <ctime>

class TestLinuxSystemInfo : public QObject {
    Q_OBJECT
private slots:
    void thisMachine()
    {
        const LinuxSystemInfo info;
        const SystemInfoRecord system = info.systemInfo();
        if (QSysInfo::currentCpuArchitecture() == "x86_64")
            QCOMPARE(system.dwProcessorType, quint32(8664));
        QVERIFY(system.dwNumberOfProcessors >= 1);
        int local = 0;
        const auto address = reinterpret_cast<quintptr>(&local);
        QVERIFY(system.lpMinimumApplicationAddress < address);
        QVERIFY(address < system.lpMaximumApplicationAddress);
        QVERIFY(std::has_single_bit(system.lpMaximumApplicationAddress + 1));

        const MemoryStatusRecord memory = info.memoryStatus();
        QFile meminfo("/proc/meminfo"); // "MemTotal:  24683772 kB" first
        QVERIFY(meminfo.open(QIODevice::ReadOnly));
        const QString total = QString(meminfo.readLine()).split(' ', Qt::SkipEmptyParts)[1];
        QCOMPARE(memory.dwTotalPhys, total.toULongLong() * 1024);
        QVERIFY(memory.dwAvailPhys <= memory.dwTotalPhys);
        QVERIFY(memory.dwMemoryLoad <= 100);
        QVERIFY(memory.dwAvailVirtual < memory.dwTotalVirtual); // this process uses some

        timespec boot{};
        QCOMPARE(clock_gettime(CLOCK_BOOTTIME, &boot), 0);
        const qint64 sinceBoot = qint64(boot.tv_sec) * 1000 + boot.tv_nsec / 1000000;
        QVERIFY(qAbs(qint64(info.uptimeMilliseconds()) - sinceBoot) < 2000);
    }

    // Power supplies as files "supply/attribute=value" below /sys/class/power_supply; the
    // record read as AC status, battery flag, percent and seconds left.
    void power_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QList<quint32>>("record");
        const quint32 unknown = PowerStatusRecord::kUnknownLifeTime;
        QTest::newRow("no battery") << QStringList{} << QList<quint32>{255, 128, 255, unknown};
        QTest::newRow("low and charging")
            << QStringList{"AC/type=Mains", "AC/online=1", "BAT0/type=Battery", "BAT0/capacity=20",
                           "BAT0/status=Charging"}
            << QList<quint32>{1, 10, 20, unknown};
        QTest::newRow("running on energy")
            << QStringList{"BAT0/type=Battery", "BAT0/status=Discharging",
                           "BAT0/energy_now=20000000", "BAT0/energy_full=40000000",
                           "BAT0/power_now=10000000"}
            << QList<quint32>{0, 0, 50, 7200};
        QTest::newRow("critical on charge; a mouse's battery does not count")
            << QStringList{"AC/type=Mains",           "AC/online=0",
                           "BAT0/type=Battery",       "BAT0/status=Discharging",
                           "BAT0/charge_now=120000",  "BAT0/charge_full=4000000",
                           "BAT0/current_now=240000", "mouse/type=Battery",
                           "mouse/scope=Device",      "mouse/capacity=90"}
            << QList<quint32>{0, 4, 3, 1800};
    }

    void power()
    {
        QFETCH(QStringList, files);
        QFETCH(QList<quint32>, record);
        QTemporaryDir root;
        for (const QString& file : files) {
            const QStringList parts = file.split(QLatin1Char('='));
            const QString path = root.filePath("sys/class/power_supply/" + parts[0]);
            QVERIFY(QDir().mkpath(QFileInfo(path).path()));
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(parts[1].toUtf8() + '\n');
        }
        const PowerStatusRecord power = LinuxSystemInfo(root.path()).powerStatus();
        QCOMPARE((QList<quint32>{power.ACLineStatus, power.BatteryFlag, power.BatteryLifePercent,
                                 power.BatteryLifeTime}),
                 record);
    }
};

BRIVOLA_TEST_MAIN(TestLinuxSystemInfo)
#include "tst_linux_system_info.moc"
