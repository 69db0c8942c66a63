#pragma once

// The machine's state for the System Information report: its records and the time since the
// system started.

#include "core/system_records.h"

class SystemInfo {
public:
    virtual ~SystemInfo() = default;
    // Each reading is taken afresh; none of them fails (what cannot be told reads unknown).
    virtual SystemInfoRecord systemInfo() const = 0;
    virtual MemoryStatusRecord memoryStatus() const = 0;
    virtual PowerStatusRecord powerStatus() const = 0;
    virtual quint64 uptimeMilliseconds() const = 0;
};
