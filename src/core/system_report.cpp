#include "core/system_report.h"

#include "core/shared_texts.h"

#include <QStringList>

namespace SystemReport {

namespace {

const QString kUnknown = QStringLiteral("Status Unknown");

QString uptimeLine(quint64 milliseconds)
{
    const quint64 hours = milliseconds / 3600000;
    const quint64 minutes = milliseconds / 60000 - hours * 60;
    return QStringLiteral("Windows has been running for: %1 Hours %2 Minutes")
        .arg(hours)
        .arg(minutes);
}

} // namespace

QString kilobytes(quint64 bytes)
{
    return QString::number(static_cast<double>(bytes) / 1024.0, 'g', 15);
}

QString acText(quint8 acLineStatus)
{
    switch (acLineStatus) {
    case 0:
        return QStringLiteral("Not Connected");
    case 1:
        return QStringLiteral("Connected");
    case PowerStatusRecord::kUnknown:
        return QStringLiteral(" ") + kUnknown;
    default:
        return {};
    }
}

QString batteryText(quint8 batteryFlag)
{
    switch (batteryFlag) {
    case 1:
        return QStringLiteral("High");
    case 2:
        return QStringLiteral("Low");
    case 4:
        return QStringLiteral("Critical");
    case 8:
        return QStringLiteral("Charging");
    case PowerStatusRecord::kNoBattery:
        return QStringLiteral("No system battery");
    case PowerStatusRecord::kUnknown:
        return kUnknown;
    default:
        return {}; // a combination of flags names no single state
    }
}

QString timeLeftText(quint32 batteryLifeTime)
{
    const qint32 minutes = static_cast<qint32>(batteryLifeTime) / 60;
    if (minutes == 0)
        return kUnknown;
    return minutes > 0 ? QStringLiteral(" %1").arg(minutes) : QString::number(minutes);
}

QString text(const SystemReadings& readings, const QString& longDate, const QString& mediumTime)
{
    const SystemInfoRecord& system = readings.system;
    const MemoryStatusRecord& memory = readings.memory;
    const PowerStatusRecord& power = readings.power;
    const QStringList lines = {
        QStringLiteral("System Information as of: ") + longDate + QStringLiteral(", ") + mediumTime,
        QString(),
        uptimeLine(readings.uptimeMilliseconds),
        QString(),
        QStringLiteral("<-- Processor Information -->"),
        QStringLiteral("Processor Type: %1").arg(system.dwProcessorType),
        QStringLiteral("# Of Processors: %1").arg(system.dwNumberOfProcessors),
        QStringLiteral("Minimum Application Address: %1").arg(system.lpMinimumApplicationAddress),
        QStringLiteral("Maximum Application Address: %1").arg(system.lpMaximumApplicationAddress),
        QString(),
        QStringLiteral("<-- Memory Information -->"),
        QStringLiteral("Memory Use: %1%").arg(memory.dwMemoryLoad),
        QStringLiteral("Total Physical Memory: ") + kilobytes(memory.dwTotalPhys) +
            QStringLiteral(" Kilobytes"),
        QStringLiteral("Available Physical Memory: ") + kilobytes(memory.dwAvailPhys) +
            QStringLiteral(" Kilobytes"),
        QStringLiteral("Total Virtual Memory: ") + kilobytes(memory.dwTotalVirtual) +
            QStringLiteral(" Kilobytes"),
        QStringLiteral("Available Virtual Memory: ") + kilobytes(memory.dwAvailVirtual) +
            QStringLiteral(" Kilobytes"),
        QString(),
        QStringLiteral("<-- Power Information -->"),
        QStringLiteral("AC Power Status: ") + acText(power.ACLineStatus),
        QStringLiteral("Battery Status: ") + batteryText(power.BatteryFlag),
        QStringLiteral("Percent Of Battery Charge: %1%").arg(uint(power.BatteryLifePercent)),
        QStringLiteral("Time Left (min): ") + timeLeftText(power.BatteryLifeTime),
    };
    return lines.join(Texts::kLineEnd) + Texts::kLineEnd;
}

} // namespace SystemReport
