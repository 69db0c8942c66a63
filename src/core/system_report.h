#pragma once

// The text of the System Information report in the user's language, built from the machine's
// records.

#include "core/system_records.h"

#include <QString>

struct SystemReadings {
    SystemInfoRecord system;
    MemoryStatusRecord memory;
    PowerStatusRecord power;
    quint64 uptimeMilliseconds = 0;
};

namespace SystemReport {

// The whole report, lines ended by carriage return and line feed; the date and time are
// already in the "Long Date" and "Medium Time" formats.
QString text(const SystemReadings& readings, const QString& longDate, const QString& mediumTime);

// A byte count in kilobytes, in the shortest general form: 32768, 976.5625.
QString kilobytes(quint64 bytes);
QString acText(quint8 acLineStatus);
QString batteryText(quint8 batteryFlag);
// " 90" for 5400 seconds; "Status Unknown" for unknown and anything under a minute.
QString timeLeftText(quint32 batteryLifeTime);

} // namespace SystemReport
