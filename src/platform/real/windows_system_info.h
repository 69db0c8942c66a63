#pragma once

// The machine's state from kernel32: GetSystemInfo, GlobalMemoryStatusEx (the 64-bit form of
// GlobalMemoryStatus), GetSystemPowerStatus and GetTickCount64. Built on Windows only.

#include "platform/system_info.h"

class WindowsSystemInfo : public SystemInfo {
public:
    SystemInfoRecord systemInfo() const override;
    MemoryStatusRecord memoryStatus() const override;
    PowerStatusRecord powerStatus() const override;
    quint64 uptimeMilliseconds() const override;
};
