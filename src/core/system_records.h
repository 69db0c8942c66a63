#pragma once

// The machine's records for the System Information report: processor, memory and power. Field
// names follow the platform's published records; sizes and addresses are 64-bit, so large
// machines and long uptimes read true.

#include <QtGlobal>

struct SystemInfoRecord {
    quint32 dwProcessorType = 0; // the platform's numeric code for the architecture, e.g. 586
    quint32 dwNumberOfProcessors = 0;
    quint64 lpMinimumApplicationAddress = 0; // lowest and highest user-space addresses
    quint64 lpMaximumApplicationAddress = 0;
};

struct MemoryStatusRecord {
    quint32 dwMemoryLoad = 0; // percent of physical memory in use
    quint64 dwTotalPhys = 0;  // bytes
    quint64 dwAvailPhys = 0;
    quint64 dwTotalVirtual = 0; // the process's address space
    quint64 dwAvailVirtual = 0;
};

struct PowerStatusRecord {
    static constexpr quint8 kUnknown = 255;
    static constexpr quint8 kNoBattery = 128;
    static constexpr quint32 kUnknownLifeTime = 0xFFFFFFFF;

    quint8 ACLineStatus = kUnknown; // 0 off mains, 1 on mains
    quint8 BatteryFlag = kUnknown;  // 1 high, 2 low, 4 critical, 8 charging, combined
    quint8 BatteryLifePercent = kUnknown;
    quint32 BatteryLifeTime = kUnknownLifeTime; // seconds left on the battery
};
