// The settings store on a section of 1,000,000 keys: the first read of one value, the reading
// of the whole section, and the administrator's tool adding a word to a list that long. Prints
// the median of 5 runs of each against its target.
//
// Each run is a process of its own, started afresh (this program again, or the tool), so that
// it reads the file as a program starting does. Its peak memory is the ru_maxrss that wait4()
// reports for it: the most resident memory the process ever had, shared libraries included.

#include "common/timing.h"
#include "core/shared_texts.h"
#include "platform/real/qt_settings_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr int kKeys = 1000000;
constexpr int kRuns = 5;
constexpr double kReadTargetMs = 1000;
constexpr double kAddTargetMs = 2000;
constexpr double kMemoryTargetMb = 250;
const QString kSection = QStringLiteral("Restrictions");

struct Run {
    double milliseconds;
    double peakMb;
};

// A restriction list of kKeys words, as the store writes it.
void writeList(const QString& path, QRandomGenerator& random)
{
    QByteArray file = "[Restrictions]\nNumber=" + QByteArray::number(kKeys) + "\n";
    for (int i = 0; i < kKeys; ++i) {
        file += QByteArray::number(i) + '=';
        for (int letters = random.bounded(6, 13); letters > 0; --letters)
            file += char('a' + random.bounded(26));
        file += '\n';
    }
    QDir().mkpath(QFileInfo(path).path());
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(file) != file.size())
        qFatal("bench/settings_store: cannot write %s", qPrintable(path));
}

// Runs a program to its end; its wall time and peak memory, and what it printed.
Run runProcess(const std::vector<QByteArray>& arguments, const QByteArray& configHome,
               QByteArray* printed = nullptr)
{
    int channel[2];
    if (pipe(channel) != 0)
        qFatal("bench/settings_store: no pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, channel[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, channel[0]);
    std::vector<char*> argv;
    for (const QByteArray& argument : arguments)
        argv.push_back(const_cast<char*>(argument.constData()));
    argv.push_back(nullptr);
    qputenv("XDG_CONFIG_HOME", configHome);
    QElapsedTimer timer;
    timer.start();
    pid_t child = 0;
    if (posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        qFatal("bench/settings_store: cannot start %s", argv[0]);
    ::close(channel[1]);
    QByteArray output;
    char buffer[4096];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, got);
    ::close(channel[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const double elapsed = elapsedMs(timer);
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        qFatal("bench/settings_store: %s failed: %s", argv[0], output.constData());
    if (printed)
        *printed = output;
    return {elapsed, double(usage.ru_maxrss) / 1024.0};
}

// The measured part of a run of this program: it prints its own time.
int measureInChild(const QString& what, const QString& folder)
{
    QElapsedTimer timer;
    timer.start();
    QtSettingsStore store(folder);
    qsizetype found = 0;
    if (what == QLatin1String("read"))
        found = store.read(Texts::kProgramStore, kSection, QString::number(kKeys / 2), {}).size();
    else
        found = store.keyValues(Texts::kProgramStore, kSection).size();
    std::printf("%.3f %lld\n", elapsedMs(timer), static_cast<long long>(found));
    return found > 0 ? 0 : 1;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void report(const char* what, const std::vector<Run>& runs, double targetMs, bool memory)
{
    std::vector<double> times;
    std::vector<double> peaks;
    for (const Run& run : runs) {
        times.push_back(run.milliseconds);
        peaks.push_back(run.peakMb);
    }
    const double time = median(times);
    const double peak = median(peaks);
    std::printf("  %-40s %8.1f ms (target: under %.0f ms) %s\n", what, time, targetMs,
                time < targetMs ? "ok" : "MISSED");
    std::printf("  %-40s %8.1f MB", "  peak memory", peak);
    if (memory)
        std::printf(" (target: under %.0f MB) %s", kMemoryTargetMb,
                    peak < kMemoryTargetMb ? "ok" : "MISSED");
    std::printf("\n");
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--measure") == 0)
        return measureInChild(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));

    QTemporaryDir config;
    const QString folder = config.filePath(QStringLiteral("brivola"));
    QRandomGenerator random(1998);
    writeList(folder + QStringLiteral("/Brivola.ini"), random);

    const QByteArray self = QFile::encodeName(QCoreApplication::applicationFilePath());
    const QByteArray configHome = QFile::encodeName(config.path());
    std::vector<Run> reads;
    std::vector<Run> sections;
    std::vector<Run> adds;
    for (int run = 0; run < kRuns; ++run) {
        for (auto [what, runs] : {std::pair("read", &reads), std::pair("keyValues", &sections)}) {
            QByteArray printed;
            Run measured = runProcess({self, "--measure", what, QFile::encodeName(folder)},
                                      configHome, &printed);
            measured.milliseconds = printed.split(' ').first().toDouble();
            runs->push_back(measured);
        }
        adds.push_back(runProcess(
            {BRIVOLA_RESTRICTIONS_TOOL, "add", "word" + QByteArray::number(run)}, configHome));
    }

    std::printf("Settings store, a section of %d keys, median of %d runs (a process each):\n",
                kKeys, kRuns);
    report("first read of one value", reads, kReadTargetMs, true);
    report("all the section's keys and values", sections, kReadTargetMs, true);
    report("brivola-restrictions add WORD (process)", adds, kAddTargetMs, false);
    return 0;
}
