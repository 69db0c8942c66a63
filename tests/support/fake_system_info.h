#pragma once

// A machine whose records the test sets.

#include "platform/system_info.h"

class FakeSystemInfo : public SystemInfo {
public:
    SystemInfoRecord systemInfo() const override { return system; }
    MemoryStatusRecord memoryStatus() const override { return memory; }
    PowerStatusRecord powerStatus() const override { return power; }
    quint64 uptimeMilliseconds() const override { return uptime; }

    SystemInfoRecord system;
    MemoryStatusRecord memory;
    PowerStatusRecord power;
    quint64 uptime = 0;
};
