#pragma once

// The machine's state as the Linux kernel tells it: /proc, /sys/class/power_supply, uname(2),
// sysconf(3) and the process's resource limits.
//
// Processor type: the report's own codes where the architecture has one (386,
// 486 and 586 for 32-bit x86, 8664 for x86-64, 2200 for Itanium); every other architecture
// reports its ELF machine number, the kernel's own numeric code for it (183 for 64-bit ARM,
// 40 for 32-bit ARM, 243 for RISC-V, ...); an architecture without either reads 0.

#include "platform/system_info.h"

#include <QString>

class LinuxSystemInfo : public SystemInfo {
public:
    // Files are read below the root directory; tests point it at a prepared tree.
    explicit LinuxSystemInfo(const QString& root = QStringLiteral("/"));

    SystemInfoRecord systemInfo() const override;
    MemoryStatusRecord memoryStatus() const override;
    PowerStatusRecord powerStatus() const override;
    quint64 uptimeMilliseconds() const override;

    // The processor type of a machine named as uname(2) names it ("x86_64", "aarch64", ...).
    static quint32 processorType(const QString& machine);

private:
    QString path(const QString& relative) const;
    quint64 lowestUserAddress() const;
    quint64 highestUserAddress() const;
    quint64 processVirtualSize() const;

    QString m_root;
};
