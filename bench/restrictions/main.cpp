// Loads a parental restriction list of 100,000 entries from a real settings file, as the
// full-screen window does at every load, and tests 1,000 page titles against it, among them one
// of a megabyte, and the same titles spelled with Cyrillic look-alike letters. Prints the median
// of 5 runs of each figure against its target.

#include "common/timing.h"
#include "core/restriction_list.h"
#include "core/shared_texts.h"
#include "platform/real/qt_settings_store.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kEntries = 100000;
constexpr int kTitles = 1000;
constexpr int kRuns = 5;
constexpr double kLoadTargetMs = 100;
constexpr double kTitleTargetMs = 0.05;
constexpr double kSlowestTargetMs = 1;

QString randomWord(QRandomGenerator& random, int minLength, int maxLength)
{
    const int length = static_cast<int>(random.bounded(minLength, maxLength + 1));
    QString word;
    for (int i = 0; i < length; ++i)
        word += QChar(u'a' + random.bounded(26));
    return word;
}

void writeList(const QString& directory, QRandomGenerator& random)
{
    QtSettingsStore store(directory);
    using namespace Restrictions;
    store.update(Texts::kProgramStore, [&] {
        store.write(Texts::kProgramStore, kSection, kCountKey, QString::number(kEntries));
        for (int i = 0; i < kEntries; ++i)
            store.write(Texts::kProgramStore, kSection, entryKey(i), randomWord(random, 6, 12));
    });
}

// Titles of a few words each, some of which hold an entry of the list.
QStringList titles(const QStringList& entries, QRandomGenerator& random)
{
    QStringList result;
    for (int i = 0; i < kTitles; ++i) {
        QStringList words;
        for (int w = 0; w < 6; ++w)
            words.append(randomWord(random, 3, 9));
        if (i % 10 == 0)
            words.append(entries[random.bounded(static_cast<int>(entries.size()))].toUpper());
        result.append(words.join(QLatin1Char(' ')));
    }
    return result;
}

// The same title with Cyrillic letters in place of the Latin ones they look like, as a child
// would spell a listed word to get it past the list.
QString inCyrillic(QString title)
{
    static const QString latin = QStringLiteral("aceopxyAEOPCX");
    static const QString cyrillic = QStringLiteral("асеорхуАЕОРСХ");
    for (QChar& c : title) {
        if (const qsizetype at = latin.indexOf(c); at >= 0)
            c = cyrillic[at];
    }
    return title;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir directory;
    if (!directory.isValid()) {
        std::fputs("bench/restrictions: cannot make a temporary folder\n", stderr);
        return 1;
    }
    QRandomGenerator random(1998);
    writeList(directory.path(), random);

    std::vector<double> loads;
    std::vector<double> perTitle;
    std::vector<double> slowest;
    std::vector<double> megabyte;
    std::vector<double> perCyrillicTitle;
    int refused = 0;
    int refusedInCyrillic = 0;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        QtSettingsStore store(directory.path()); // a fresh store reads the file again
        const RestrictionList list(Restrictions::read(store));
        loads.push_back(elapsedMs(timer));
        if (list.entries().size() != kEntries) {
            std::fprintf(stderr, "bench/restrictions: read %lld entries, not %d\n",
                         static_cast<long long>(list.entries().size()), kEntries);
            return 1;
        }

        const QStringList pageTitles = titles(list.entries(), random);
        std::vector<double> each;
        refused = 0;
        for (const QString& title : pageTitles) {
            QElapsedTimer one;
            one.start();
            refused += list.matches(title).isEmpty() ? 0 : 1;
            each.push_back(elapsedMs(one));
        }
        perTitle.push_back(median(each));
        slowest.push_back(*std::max_element(each.begin(), each.end()));
        each.clear();
        refusedInCyrillic = 0;
        for (const QString& title : pageTitles) {
            const QString spoofed = inCyrillic(title);
            QElapsedTimer one;
            one.start();
            refusedInCyrillic += list.matches(spoofed).isEmpty() ? 0 : 1;
            each.push_back(elapsedMs(one));
        }
        perCyrillicTitle.push_back(median(each));
        QElapsedTimer huge;
        huge.start();
        list.matches(QString(1 << 20, QLatin1Char('x')) + pageTitles.first());
        megabyte.push_back(elapsedMs(huge));
    }

    std::printf("Parental restrictions, %d entries from a real settings file, median of %d runs:\n",
                kEntries, kRuns);
    std::printf("  load the list          %8.2f ms   (target: under %.0f ms)\n", median(loads),
                kLoadTargetMs);
    std::printf("  test one title         %8.4f ms   (target: under %.2f ms, median)\n",
                median(perTitle), kTitleTargetMs);
    std::printf("  slowest of %d titles %8.3f ms   (target: under %.0f ms)\n", kTitles,
                median(slowest), kSlowestTargetMs);
    std::printf("  a title of a megabyte  %8.2f ms\n", median(megabyte));
    std::printf("  titles refused: %d of %d\n", refused, kTitles);
    std::printf("  one title in Cyrillic look-alikes %8.4f ms   (target: under %.2f ms, median)\n",
                median(perCyrillicTitle), kTitleTargetMs);
    std::printf("  titles in Cyrillic look-alikes refused: %d of %d\n", refusedInCyrillic, kTitles);
    return 0;
}
