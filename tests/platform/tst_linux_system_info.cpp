#include "platform/linux_system_info.h"
#include "support/test_main.h"

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

    void withoutABatteryPowerReadsUnknown()
    {
        QTemporaryDir root; // no /sys/class/power_supply below it
        const PowerStatusRecord power = LinuxSystemInfo(root.path()).powerStatus();
        QCOMPARE((QList<quint32>{power.ACLineStatus, power.BatteryFlag, power.BatteryLifePercent,
                                 power.BatteryLifeTime}),
                 (QList<quint32>{255, 128, 255, PowerStatusRecord::kUnknownLifeTime}));
    }
};

BRIVOLA_TEST_MAIN(TestLinuxSystemInfo)
#include "tst_linux_system_info.moc"
