#include "core/system_report.h"

#include "core/shared_texts.h"

#include <QCoreApplication>
#include <QStringList>

namespace SystemReport {

namespace {

QString translated(const char* text)
{
    return QCoreApplication::translate("SystemReport", text);
}

QString unknown()
{
    return translated(QT_TRANSLATE_NOOP("SystemReport", "Status Unknown"));
}

// A line with a size in kilobytes; the label's text holds the number's place.
QString kilobytesLine(const char* label, quint64 bytes)
{
    return translated(label).arg(kilobytes(bytes));
}

QString uptimeLine(quint64 milliseconds)
{
    const quint64 hours = milliseconds / 3600000;
    const quint64 minutes = milliseconds / 60000 - hours * 60;
    return translated(QT_TRANSLATE_NOOP("SystemReport",
                                        "Windows has been running for: %1 Hours %2 Minutes"))
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
        return translated(QT_TRANSLATE_NOOP("SystemReport", "Not Connected"));
    case 1:
        return translated(QT_TRANSLATE_NOOP("SystemReport", "Connected"));
    case PowerStatusRecord::kUnknown:
        return QStringLiteral(" ") + unknown();
    default:
        return {};
    }
}

QString batteryText(quint8 batteryFlag)
{
    switch (batteryFlag) {
    case 1:
        return translated(QT_TRANSLATE_NOOP("SystemReport", "High"));
    case 2:
        return translated(QT_TRANSLATE_NOOP("SystemReport", "Low"));
    case 4:
        return translated(QT_TRANSLATE_NOOP("SystemReport", "Critical"));
    case 8:
        return translated(QT_TRANSLATE_NOOP("SystemReport", "Charging"));
    case PowerStatusRecord::kNoBattery:
        return translated(QT_TRANSLATE_NOOP("SystemReport", "No system battery"));
    case PowerStatusRecord::kUnknown:
        return unknown();
    default:
        return {}; // a combination of flags names no single state
    }
}

QString timeLeftText(quint32 batteryLifeTime)
{
    const qint32 minutes = static_cast<qint32>(batteryLifeTime) / 60;
    if (minutes == 0)
        return unknown();
    return minutes > 0 ? QStringLiteral(" %1").arg(minutes) : QString::number(minutes);
}

QString text(const SystemReadings& readings, const QString& longDate, const QString& mediumTime)
{
    const SystemInfoRecord& system = readings.system;
    const MemoryStatusRecord& memory = readings.memory;
    const PowerStatusRecord& power = readings.power;
    const QStringList lines = {
        translated(QT_TRANSLATE_NOOP("SystemReport", "System Information as of: %1, %2"))
            .arg(longDate, mediumTime),
        QString(),
        uptimeLine(readings.uptimeMilliseconds),
        QString(),
        translated(QT_TRANSLATE_NOOP("SystemReport", "<-- Processor Information -->")),
        translated(QT_TRANSLATE_NOOP("SystemReport", "Processor Type: %1"))
            .arg(system.dwProcessorType),
        translated(QT_TRANSLATE_NOOP("SystemReport", "# Of Processors: %1"))
            .arg(system.dwNumberOfProcessors),
        translated(QT_TRANSLATE_NOOP("SystemReport", "Minimum Application Address: %1"))
            .arg(system.lpMinimumApplicationAddress),
        translated(QT_TRANSLATE_NOOP("SystemReport", "Maximum Application Address: %1"))
            .arg(system.lpMaximumApplicationAddress),
        QString(),
        translated(QT_TRANSLATE_NOOP("SystemReport", "<-- Memory Information -->")),
        translated(QT_TRANSLATE_NOOP("SystemReport", "Memory Use: %1%")).arg(memory.dwMemoryLoad),
        kilobytesLine(QT_TRANSLATE_NOOP("SystemReport", "Total Physical Memory: %1 Kilobytes"),
                      memory.dwTotalPhys),
        kilobytesLine(QT_TRANSLATE_NOOP("SystemReport", "Available Physical Memory: %1 Kilobytes"),
                      memory.dwAvailPhys),
        kilobytesLine(QT_TRANSLATE_NOOP("SystemReport", "Total Virtual Memory: %1 Kilobytes"),
                      memory.dwTotalVirtual),
        kilobytesLine(QT_TRANSLATE_NOOP("SystemReport", "Available Virtual Memory: %1 Kilobytes"),
                      memory.dwAvailVirtual),
        QString(),
        translated(QT_TRANSLATE_NOOP("SystemReport", "<-- Power Information -->")),
        translated(QT_TRANSLATE_NOOP("SystemReport", "AC Power Status: %1"))
            .arg(acText(power.ACLineStatus)),
        translated(QT_TRANSLATE_NOOP("SystemReport", "Battery Status: %1"))
            .arg(batteryText(power.BatteryFlag)),
        translated(QT_TRANSLATE_NOOP("SystemReport", "Percent Of Battery Charge: %1%"))
            .arg(uint(power.BatteryLifePercent)),
        translated(QT_TRANSLATE_NOOP("SystemReport", "Time Left (min): %1"))
            .arg(timeLeftText(power.BatteryLifeTime)),
    };
    return lines.join(Texts::kLineEnd) + Texts::kLineEnd;
}

} // namespace SystemReport
