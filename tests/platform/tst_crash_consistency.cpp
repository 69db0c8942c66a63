#include "platform/real/qt_settings_store.h"
#include "support/test_main.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString kApp = QStringLiteral("Orvane Organizer");
const QString kSection = QStringLiteral("Data");
constexpr int kEntries = 100000;
constexpr int kKills = 50;
constexpr int kDamagedEvery = 10;       // every so many runs start on a damaged file
constexpr int kRoundMilliseconds = 150; // a round of saving takes about as long

QString entry(int round, int i)
{
    return QStringLiteral("%1/%2").arg(round).arg(i);
}

// Saves the organizer's agenda again and again, each round with its own values, until killed;
// writes a byte to the pipe after each save.
[[noreturn]] void saveForever(const QString& folder, int firstRound, int saved)
{
    QtSettingsStore store(folder);
    for (int round = firstRound;; ++round) {
        store.update(kApp, [&] {
            store.write(kApp, kSection, QStringLiteral("Number"), QString::number(kEntries));
            for (int i = 0; i < kEntries; ++i) {
                store.write(kApp, kSection, QString::number(i), entry(round, i));
                store.write(kApp, kSection, QString::number(i) + 'A', entry(round, i) + 'A');
            }
        });
        if (::write(saved, "s", 1) != 1)
            _exit(1);
    }
}

// What is wrong with the saved agenda; empty when it is one whole save, whose round it gives.
// Every value is the round, a slash and its key.
QString checkSaved(const QString& folder, int& round)
{
    const auto pairs = QtSettingsStore(folder).keyValues(kApp, kSection);
    if (pairs.size() != 2 * kEntries + 1)
        return QStringLiteral("%1 keys instead of %2").arg(pairs.size()).arg(2 * kEntries + 1);
    round = pairs[1].second.section('/', 0, 0).toInt();
    const QString prefix = QString::number(round) + '/';
    for (const auto& [key, value] : pairs) {
        const bool whole = key == QLatin1String("Number")
                               ? value == QString::number(kEntries)
                               : value.size() == prefix.size() + key.size() &&
                                     value.startsWith(prefix) && value.endsWith(key);
        if (!whole)
            return QStringLiteral("key %1 holds %2 in round %3").arg(key, value).arg(round);
    }
    return {};
}

// Waits for a child's first save; false when none came in time.
bool firstSave(int pipe)
{
    pollfd saved{pipe, POLLIN, 0};
    char byte = 0;
    return ::poll(&saved, 1, 10000) == 1 && ::read(pipe, &byte, 1) == 1;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestCrashConsistency : public QObject {
    Q_OBJECT
private slots:
    void killedSavesLeaveOneWholeSave();
};

// A save killed at any moment leaves the file as one whole earlier or later save; a damaged
// file is copied aside before it is overwritten. Every other run is killed a random while after
// its first save, in the middle of a round; the others a random while after they start, which
// may be before, during or after their first save (and the copy of a damaged file).
void TestCrashConsistency::killedSavesLeaveOneWholeSave()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(kApp + QStringLiteral(".ini"));
    const quint32 seed = QRandomGenerator::global()->generate();
    qInfo("seed %u", seed);
    QRandomGenerator random(seed);
    QByteArray damaged; // a damaged file not yet overwritten
    int lastRound = -1;
    for (int run = 0; run < kKills; ++run) {
        if (run % kDamagedEvery == kDamagedEvery - 2 && lastRound >= 0) {
            damaged = fileBytes(path) + "not a setting\n";
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(damaged) == damaged.size());
        }
        const bool afterSave = run % 2 == 1;
        int saved[2];
        QVERIFY(pipe(saved) == 0);
        const pid_t child = fork();
        if (child == 0)
            saveForever(folder.path(), run * 1000, saved[1]);
        ::close(saved[1]);
        const bool started = !afterSave || firstSave(saved[0]);
        QThread::msleep(random.bounded(afterSave ? kRoundMilliseconds : 2 * kRoundMilliseconds));
        ::kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        ::close(saved[0]);
        QVERIFY2(started, "no save within 10 s");

        if (lastRound < 0 && !QFile::exists(path))
            continue; // killed before the first save of all
        int round = -1;
        const QString problem = checkSaved(folder.path(), round);
        QVERIFY2(problem.isEmpty(),
                 qPrintable(QStringLiteral("after run %1: ").arg(run) + problem));
        QVERIFY2(round >= lastRound && round / 1000 <= run && (!afterSave || round / 1000 == run),
                 qPrintable(QStringLiteral("run %1 left round %2").arg(run).arg(round)));
        lastRound = round;
        if (!damaged.isEmpty() && fileBytes(path) != damaged) {
            // A run killed between copying and saving leaves a copy; the next run makes its own.
            bool copied = false;
            for (const QString& copy : QDir(folder.path()).entryList({"*.damaged-*"})) {
                copied = copied || fileBytes(folder.filePath(copy)) == damaged;
                QFile::remove(folder.filePath(copy));
            }
            QVERIFY2(copied,
                     qPrintable(QStringLiteral("run %1 overwrote a damaged file").arg(run)));
            damaged.clear();
        }
    }
}

BRIVOLA_TEST_MAIN(TestCrashConsistency)
#include "tst_crash_consistency.moc"
