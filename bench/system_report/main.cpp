// How long "Update" of System Information and F1's writing of the manual take: reads this
// machine's records and builds the report, and writes the manual into a temporary folder, many
// times over, and prints the median and the slowest of each in microseconds.
//
// Usage: bench_system_report [runs]   (default 200)

#include "core/manual.h"
#include "core/system_report.h"
#include "platform/real/linux_system_info.h"
#include "shell/manual_file.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

void report(const char* name, int runs, const std::function<void()>& operation)
{
    std::vector<qint64> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        operation();
        times.push_back(timer.nsecsElapsed() / 1000);
    }
    std::sort(times.begin(), times.end());
    std::printf("  %-34s median %6lld us, slowest %6lld us\n", name,
                static_cast<long long>(times[times.size() / 2]),
                static_cast<long long>(times.back()));
}

} // namespace

int main(int argc, char* argv[])
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    const LinuxSystemInfo machine;
    QTemporaryDir folder;
    const QString page = Manual::text();
    std::printf("Brivola tools, %d runs each:\n", runs);

    report("read the records", runs, [&] {
        SystemReadings readings{machine.systemInfo(), machine.memoryStatus(), machine.powerStatus(),
                                machine.uptimeMilliseconds()};
        (void)readings;
    });
    report("read the records + build the report", runs, [&] {
        SystemReadings readings{machine.systemInfo(), machine.memoryStatus(), machine.powerStatus(),
                                machine.uptimeMilliseconds()};
        (void)SystemReport::text(readings, QStringLiteral("Sunday, April 19, 1998"),
                                 QStringLiteral("3:45 PM"));
    });
    report("write the manual", runs, [&] { (void)writeManual(page, folder.path()); });
    return 0;
}
