#include "platform/real/linux_system_info.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <bit>
#include <optional>
#include <sys/resource.h>
#include <sys/utsname.h>
#include <unistd.h>

namespace {

constexpr quint64 kKilobyte = 1024;

QString readText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).trimmed();
}

std::optional<quint64> readNumber(const QString& path)
{
    bool ok = false;
    const quint64 value = readText(path).toULongLong(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

// The value in kilobytes of a "Name:   1234 kB" line of /proc/meminfo or /proc/self/status.
std::optional<quint64> kilobyteField(const QString& text, const QString& name)
{
    const QRegularExpression line(QStringLiteral("^%1:\\s*(\\d+)").arg(name),
                                  QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = line.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toULongLong() * kKilobyte;
}

// A battery or an adapter below /sys/class/power_supply.
class PowerSupply {
public:
    explicit PowerSupply(QString directory) : m_directory(std::move(directory)) {}

    QString text(const char* name) const
    {
        return readText(m_directory + QLatin1Char('/') + QLatin1String(name));
    }
    std::optional<quint64> number(const char* name) const
    {
        return readNumber(m_directory + QLatin1Char('/') + QLatin1String(name));
    }

    bool isAdapter() const { return text("type") != QLatin1String("Battery"); }
    // Batteries of mice and keyboards report "Device"; only the system's own count.
    bool isSystemBattery() const
    {
        return !isAdapter() && text("scope") != QLatin1String("Device") &&
               text("present") != QLatin1String("0");
    }

    std::optional<quint64> percent() const
    {
        if (const auto capacity = number("capacity"))
            return std::min<quint64>(*capacity, 100);
        if (const auto ratio = fraction("energy_now", "energy_full"))
            return ratio;
        return fraction("charge_now", "charge_full");
    }

    // Seconds until empty, known only while the battery runs the machine.
    std::optional<quint64> secondsLeft() const
    {
        if (text("status") != QLatin1String("Discharging"))
            return std::nullopt;
        if (const auto seconds = number("time_to_empty_now"))
            return seconds;
        if (const auto hours = hoursLeft("energy_now", "power_now"))
            return hours;
        return hoursLeft("charge_now", "current_now");
    }

private:
    std::optional<quint64> fraction(const char* part, const char* whole) const
    {
        const auto a = number(part);
        const auto b = number(whole);
        if (!a || !b || *b == 0)
            return std::nullopt;
        return std::min<quint64>(*a * 100 / *b, 100);
    }

    std::optional<quint64> hoursLeft(const char* stored, const char* rate) const
    {
        const auto amount = number(stored);
        const auto drain = number(rate);
        if (!amount || !drain || *drain == 0)
            return std::nullopt;
        return *amount * 3600 / *drain;
    }

    QString m_directory;
};

quint8 batteryFlag(std::optional<quint64> percent, bool charging)
{
    const quint8 charge = charging ? 8 : 0;
    if (!percent)
        return charging ? charge : PowerStatusRecord::kUnknown;
    if (*percent < 5)
        return 4 | charge;
    if (*percent < 33)
        return 2 | charge;
    if (*percent > 66)
        return 1 | charge;
    return charge;
}

// Without an adapter that reports, the battery's state tells whether mains power is there.
quint8 acFromBattery(const QString& status)
{
    if (status == QLatin1String("Discharging"))
        return 0;
    if (status == QLatin1String("Charging") || status == QLatin1String("Full") ||
        status == QLatin1String("Not charging"))
        return 1;
    return PowerStatusRecord::kUnknown;
}

} // namespace

LinuxSystemInfo::LinuxSystemInfo(const QString& root) : m_root(root) {}

QString LinuxSystemInfo::path(const QString& relative) const
{
    return QDir(m_root).filePath(relative);
}

quint32 LinuxSystemInfo::processorType(const QString& machine)
{
    static const QHash<QString, quint32> exact = {
        {QStringLiteral("x86_64"), 8664}, {QStringLiteral("amd64"), 8664},
        {QStringLiteral("i386"), 386},    {QStringLiteral("i486"), 486},
        {QStringLiteral("i586"), 586},    {QStringLiteral("i686"), 586},
        {QStringLiteral("ia64"), 2200},   {QStringLiteral("aarch64"), 183},
        {QStringLiteral("arm64"), 183},   {QStringLiteral("riscv64"), 243},
        {QStringLiteral("riscv32"), 243}, {QStringLiteral("ppc64"), 21},
        {QStringLiteral("ppc64le"), 21},  {QStringLiteral("ppc"), 20},
        {QStringLiteral("s390x"), 22},    {QStringLiteral("loongarch64"), 258},
    };
    if (const auto found = exact.constFind(machine); found != exact.cend())
        return *found;
    if (machine.startsWith(QLatin1String("arm")))
        return 40;
    if (machine.startsWith(QLatin1String("mips")))
        return 8;
    return 0;
}

SystemInfoRecord LinuxSystemInfo::systemInfo() const
{
    SystemInfoRecord record;
    utsname name{};
    if (uname(&name) == 0)
        record.dwProcessorType = processorType(QString::fromLatin1(name.machine));
    record.dwNumberOfProcessors = static_cast<quint32>(std::max(0L, sysconf(_SC_NPROCESSORS_ONLN)));
    record.lpMinimumApplicationAddress = lowestUserAddress();
    record.lpMaximumApplicationAddress = highestUserAddress();
    return record;
}

quint64 LinuxSystemInfo::lowestUserAddress() const
{
    return readNumber(path(QStringLiteral("proc/sys/vm/mmap_min_addr"))).value_or(0);
}

// The user address space ends at a power of two, and the main thread's stack sits at its top.
quint64 LinuxSystemInfo::highestUserAddress() const
{
    const QString maps = readText(path(QStringLiteral("proc/self/maps")));
    static const QRegularExpression stack(QStringLiteral("^[0-9a-f]+-([0-9a-f]+) .*\\[stack\\]$"),
                                          QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = stack.match(maps);
    int local = 0;
    const quint64 stackTop = match.hasMatch() ? match.captured(1).toULongLong(nullptr, 16)
                                              : reinterpret_cast<quintptr>(&local);
    return std::bit_ceil(stackTop) - 1;
}

quint64 LinuxSystemInfo::processVirtualSize() const
{
    return kilobyteField(readText(path(QStringLiteral("proc/self/status"))),
                         QStringLiteral("VmSize"))
        .value_or(0);
}

MemoryStatusRecord LinuxSystemInfo::memoryStatus() const
{
    MemoryStatusRecord record;
    const QString meminfo = readText(path(QStringLiteral("proc/meminfo")));
    record.dwTotalPhys = kilobyteField(meminfo, QStringLiteral("MemTotal")).value_or(0);
    record.dwAvailPhys =
        std::min(record.dwTotalPhys,
                 kilobyteField(meminfo, QStringLiteral("MemAvailable"))
                     .value_or(kilobyteField(meminfo, QStringLiteral("MemFree")).value_or(0)));
    if (record.dwTotalPhys > 0) {
        record.dwMemoryLoad = static_cast<quint32>((record.dwTotalPhys - record.dwAvailPhys) * 100 /
                                                   record.dwTotalPhys);
    }

    quint64 space = highestUserAddress() - lowestUserAddress() + 1;
    rlimit limit{};
    if (getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY)
        space = std::min<quint64>(space, limit.rlim_cur);
    record.dwTotalVirtual = space;
    record.dwAvailVirtual = space - std::min(space, processVirtualSize());
    return record;
}

PowerStatusRecord LinuxSystemInfo::powerStatus() const
{
    PowerStatusRecord record;
    record.BatteryFlag = PowerStatusRecord::kNoBattery;
    const QDir supplies(path(QStringLiteral("sys/class/power_supply")));
    bool adapterFound = false;
    bool adapterOnline = false;
    std::optional<PowerSupply> battery;
    for (const QString& name : supplies.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        PowerSupply supply(supplies.filePath(name));
        if (supply.isAdapter()) {
            adapterFound = true;
            adapterOnline = adapterOnline || supply.text("online") == QLatin1String("1");
        } else if (!battery && supply.isSystemBattery()) {
            battery = supply;
        }
    }

    if (adapterFound)
        record.ACLineStatus = adapterOnline ? 1 : 0;
    if (!battery)
        return record;
    const QString status = battery->text("status");
    if (!adapterFound)
        record.ACLineStatus = acFromBattery(status);
    const auto percent = battery->percent();
    record.BatteryFlag = batteryFlag(percent, status == QLatin1String("Charging"));
    record.BatteryLifePercent =
        percent ? static_cast<quint8>(*percent) : PowerStatusRecord::kUnknown;
    if (const auto seconds = battery->secondsLeft())
        record.BatteryLifeTime = static_cast<quint32>(
            std::min<quint64>(*seconds, PowerStatusRecord::kUnknownLifeTime - 1));
    return record;
}

quint64 LinuxSystemInfo::uptimeMilliseconds() const
{
    // "12345.67 54321.00": seconds since boot, then the idle time.
    const QString uptime =
        readText(path(QStringLiteral("proc/uptime"))).section(QLatin1Char(' '), 0, 0);
    bool ok = false;
    const double seconds = uptime.toDouble(&ok);
    return ok && seconds > 0 ? static_cast<quint64>(seconds * 1000) : 0;
}
