#include "core/errors.h"
#include "platform/real/qt_settings_store.h"
#include "support/files.h"
#include "support/test_main.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>

namespace {

const QString kApp = QStringLiteral("Orvane Organizer");

// The test saves the organizer's agenda again and again, each round with its own values:
// every value is the round, a slash and its key.
constexpr int kEntries = 100000;
constexpr int kKills = 50;
constexpr int kDamagedEvery = 10;       // every so many runs start on a damaged file
constexpr int kRoundMilliseconds = 150; // a round of saving takes about as long

// Saves until killed, in a process of its own (this program started again, so that no thread
// of the test is copied into it); writes a byte to standard output after each save.
constexpr char kSaveForever[] = "--save-forever";
constexpr int kFirstSaveMs = 60000; // a slow build on a busy machine still makes it

[[noreturn]] void saveForever(const QString& folder, int firstRound)
{
    QtSettingsStore store(folder);
    for (int round = firstRound;; ++round) {
        try {
            store.update(kApp, [&] {
                store.write(kApp, "Data", "Number", QString::number(kEntries));
                for (int i = 0; i < kEntries; ++i) {
                    const QString value = QStringLiteral("%1/%2").arg(round).arg(i);
                    store.write(kApp, "Data", QString::number(i), value);
                    store.write(kApp, "Data", QString::number(i) + 'A', value + 'A');
                }
            });
        } catch (const StoreError& error) {
            // A killed child's lock may outlast the store's wait on a busy machine; the
            // organizer then keeps its entries and the user saves again, and so does this.
            std::fprintf(stderr, "%s; saving again\n", error.what());
            continue;
        }
        if (std::fputc('s', stdout) == EOF || std::fflush(stdout) != 0)
            std::exit(1);
    }
}

// What is wrong with the saved agenda; empty when it is one whole save, whose round it gives.
QString checkSaved(const QString& folder, int& round)
{
    const auto pairs = QtSettingsStore(folder).keyValues(kApp, "Data");
    if (pairs.size() != 2 * kEntries + 1)
        return QStringLiteral("%1 keys instead of %2").arg(pairs.size()).arg(2 * kEntries + 1);
    round = pairs[1].second.section('/', 0, 0).toInt();
    const QString prefix = QString::number(round) + '/';
    for (const auto& [key, value] : pairs) {
        const bool whole = value == (key == "Number" ? QString::number(kEntries) : prefix + key);
        if (!whole)
            return QStringLiteral("key %1 holds %2 in round %3").arg(key, value).arg(round);
    }
    return {};
}

} // namespace

class TestCrashConsistency : public QObject {
    Q_OBJECT
private slots:
    // A save killed at any moment leaves the file as one whole earlier or later save; a damaged
    // file is copied aside before it is overwritten. Every other run is killed a random while
    // after its first save, in the middle of a round; the others a random while after they
    // start, which may be before, during or after their first save (and the copy of a damaged
    // file).
    void killedSavesLeaveOneWholeSave()
    {
        const quint32 seed = QRandomGenerator::global()->generate();
        qInfo("seed %u", seed);
        QRandomGenerator random(seed);
        QByteArray damaged; // a damaged file not yet overwritten
        int lastRound = -1;
        for (int run = 0; run < kKills; ++run) {
            if (run % kDamagedEvery == kDamagedEvery - 2 && lastRound >= 0) {
                damaged = fileBytes(path()) + "not a setting\n";
                QVERIFY(writeFile(path(), damaged));
            }
            const bool afterSave = run % 2 == 1;
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            child.start(QCoreApplication::applicationFilePath(),
                        {kSaveForever, m_dir.path(), QString::number(run * 1000)});
            QVERIFY(child.waitForStarted());
            const bool started = !afterSave || child.waitForReadyRead(kFirstSaveMs);
            QThread::msleep(
                random.bounded(afterSave ? kRoundMilliseconds : 2 * kRoundMilliseconds));
            child.kill();
            child.waitForFinished(-1); // its lock goes with it, before the next child starts
            QVERIFY2(started, "no save within a minute");

            if (lastRound < 0 && !QFile::exists(path()))
                continue; // killed before the first save of all
            int round = -1;
            const QString problem = checkSaved(m_dir.path(), round);
            QVERIFY2(problem.isEmpty(), qPrintable(QString("after run %1: ").arg(run) + problem));
            QVERIFY2(round >= lastRound && round / 1000 <= run &&
                         (!afterSave || round / 1000 == run),
                     qPrintable(QString("run %1 left round %2").arg(run).arg(round)));
            lastRound = round;
            if (!damaged.isEmpty() && fileBytes(path()) != damaged) {
                // A run killed between copying and saving leaves a copy; the next makes its own.
                bool copied = false;
                for (const QString& copy : QDir(m_dir.path()).entryList({"*.damaged-*"})) {
                    copied = copied || fileBytes(m_dir.filePath(copy)) == damaged;
                    QFile::remove(m_dir.filePath(copy));
                }
                QVERIFY2(copied, qPrintable(QString("run %1 overwrote a damaged file").arg(run)));
                damaged.clear();
            }
        }
    }

private:
    QString path() const { return m_dir.filePath(kApp + QStringLiteral(".ini")); }
    QTemporaryDir m_dir;
};

int main(int argc, char* argv[])
{
    if (argc == 4 && qstrcmp(argv[1], kSaveForever) == 0)
        saveForever(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt());
    EngineSetup::configure();
    QApplication application(argc, argv);
    TestCrashConsistency test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_crash_consistency.moc"
