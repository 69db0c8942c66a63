#include "platform/real/windows_system_info.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef _WIN32_WINNT
#define _WIN32_WINNT 0x0601 // GetTickCount64 needs Windows Vista or later
#endif
#include <windows.h>

SystemInfoRecord WindowsSystemInfo::systemInfo() const
{
    SYSTEM_INFO info{};
    GetSystemInfo(&info);
    SystemInfoRecord record;
    record.dwProcessorType = info.dwProcessorType;
    record.dwNumberOfProcessors = info.dwNumberOfProcessors;
    record.lpMinimumApplicationAddress =
        reinterpret_cast<quintptr>(info.lpMinimumApplicationAddress);
    record.lpMaximumApplicationAddress =
        reinterpret_cast<quintptr>(info.lpMaximumApplicationAddress);
    return record;
}

MemoryStatusRecord WindowsSystemInfo::memoryStatus() const
{
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof(status);
    MemoryStatusRecord record;
    if (!GlobalMemoryStatusEx(&status))
        return record;
    record.dwMemoryLoad = status.dwMemoryLoad;
    record.dwTotalPhys = status.ullTotalPhys;
    record.dwAvailPhys = status.ullAvailPhys;
    record.dwTotalVirtual = status.ullTotalVirtual;
    record.dwAvailVirtual = status.ullAvailVirtual;
    return record;
}

PowerStatusRecord WindowsSystemInfo::powerStatus() const
{
    SYSTEM_POWER_STATUS status{};
    PowerStatusRecord record;
    if (!GetSystemPowerStatus(&status))
        return record; // every field unknown
    record.ACLineStatus = status.ACLineStatus;
    record.BatteryFlag = status.BatteryFlag;
    record.BatteryLifePercent = status.BatteryLifePercent;
    record.BatteryLifeTime = status.BatteryLifeTime;
    return record;
}

quint64 WindowsSystemInfo::uptimeMilliseconds() const
{
    return GetTickCount64();
}
