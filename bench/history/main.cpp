// Fills the browsing memory's SQLite database in a temporary folder with 100,000 pages (150,000
// visits, written as one batch), opens it again, and types addresses and title words into a
// browser window's address box one key at a time: for every keystroke it times the whole way
// to the list under the box, filled and placed. Prints the median and the slowest keystroke of
// 5 runs against the target of 16 ms (wall time, and the program's own processor time in it),
// and the times to write the batch and to open the database.

#include "browsing/address_completion.h"
#include "common/timing.h"
#include "platform/message_box.h"
#include "platform/real/sqlite_browsing_memory.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

constexpr int kPages = 100000;
constexpr int kVisits = 150000;
constexpr int kRuns = 5;
constexpr double kKeystrokeTargetMs = 16;

class SilentMessageBox : public MessageBox {
public:
    Answer show(QWidget*, const QString& prompt, Buttons, const QString&) override
    {
        std::fprintf(stderr, "%s\n", qPrintable(prompt));
        return Answer::Ok;
    }
    int choose(QWidget*, const QString&, const QStringList&, int choice, const QString&) override
    {
        return choice;
    }
    int chooseWithCheckBox(QWidget*, const QString&, const QStringList&, int choice, const QString&,
                           bool*) override
    {
        return choice;
    }
    std::optional<Login> askLogin(QWidget*, const QString&, const QString&) override { return {}; }
};

QString word(QRandomGenerator& random)
{
    static const QStringList words = {
        "news",    "weather", "recipes",  "linux",  "debian", "kernel",  "python",  "garden",
        "travel",  "music",   "football", "review", "guide",  "history", "science", "maps",
        "library", "school",  "market",   "photo",  "video",  "forum",   "bank",    "shop",
    };
    return words.at(random.bounded(words.size())) + QString::number(random.bounded(100));
}

QUrl pageAddress(int page, QRandomGenerator& random)
{
    return QUrl(QStringLiteral("https://%1%2.example/%3/%4-%5.html")
                    .arg(page % 3 ? QStringLiteral("www.") : QString(), word(random))
                    .arg(word(random), word(random))
                    .arg(page));
}

// The processor time of this thread: on a machine shared with other work, the part of a
// keystroke's wall time that is the program's own.
double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir folder;
    const QString path = folder.filePath("browsing.sqlite");
    SilentMessageBox messages;
    QRandomGenerator random(2026);

    std::vector<QUrl> pages;
    for (int page = 0; page < kPages; ++page)
        pages.push_back(pageAddress(page, random));
    QElapsedTimer timer;
    {
        SqliteBrowsingMemory memory(path, messages);
        for (int visit = 0; visit < kVisits; ++visit) {
            const QUrl& url = visit < kPages ? pages[visit] : pages[random.bounded(kPages)];
            memory.recordVisit(url, word(random) + ' ' + word(random) + ' ' + word(random));
        }
        timer.start();
        memory.flush();
        std::printf("writing %d visits in one batch: %.0f ms (%.3f ms a visit)\n", kVisits,
                    elapsedMs(timer), elapsedMs(timer) / kVisits);
    }

    // Addresses typed from their start, and title words.
    const QStringList typed = {"https://www.news", "recipes4", "debian12.example/ker",
                               "garden",           "www.ma",   "sci",
                               "photo9 vid"};
    std::vector<double> opens, medians, slowest, cpuMedians, cpuSlowest, searchSlowest;
    int offered = 0;
    for (int run = 0; run < kRuns; ++run) {
        timer.start();
        SqliteBrowsingMemory memory(path, messages);
        opens.push_back(elapsedMs(timer));
        QWidget window;
        window.resize(1024, 768);
        auto* box = new QComboBox(&window);
        box->setEditable(true);
        box->setGeometry(0, 0, 400, 24);
        AddressCompletion completion(box, memory, &window);
        window.show();
        std::vector<double> keystrokes, cpu, searches;
        for (const QString& text : typed) {
            for (qsizetype length = 1; length <= text.size(); ++length) {
                const double cpuStart = threadCpuMs();
                timer.start();
                completion.offer(text.left(length));
                keystrokes.push_back(elapsedMs(timer));
                cpu.push_back(threadCpuMs() - cpuStart);
                const double searchStart = threadCpuMs();
                memory.completions(text.left(length), AddressCompletion::kRows);
                searches.push_back(threadCpuMs() - searchStart);
                offered += completion.count();
                QCoreApplication::processEvents();
            }
        }
        medians.push_back(median(keystrokes));
        slowest.push_back(*std::max_element(keystrokes.begin(), keystrokes.end()));
        cpuMedians.push_back(median(cpu));
        cpuSlowest.push_back(*std::max_element(cpu.begin(), cpu.end()));
        searchSlowest.push_back(*std::max_element(searches.begin(), searches.end()));
    }
    std::printf("opening the database of %d pages: %.0f ms (median of %d)\n", kPages, median(opens),
                kRuns);
    std::printf("a keystroke's list, %d pages: median %.2f ms, slowest %.2f ms (target %.0f ms)"
                " [%d entries offered]\n",
                kPages, median(medians), median(slowest), kKeystrokeTargetMs, offered);
    std::printf("  of which this program's processor time: median %.2f ms, slowest %.2f ms\n",
                median(cpuMedians), median(cpuSlowest));
    std::printf("  the search alone, again: slowest %.2f ms\n", median(searchSlowest));
    return median(slowest) <= kKeystrokeTargetMs ? 0 : 1;
}
