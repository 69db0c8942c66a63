// Opens and closes the organizer over a real settings file holding 100,000 agenda entries,
// 10,000 phone numbers and 10,000 favourites, and over an empty store, and prints the medians.

#include "common/timing.h"
#include "core/agenda.h"
#include "core/named_list_store.h"
#include "core/shared_texts.h"
#include "core/stored_count.h"
#include "organizer/organizer_window.h"
#include "platform/real/qt_message_box.h"
#include "platform/real/qt_printer.h"
#include "platform/real/qt_settings_store.h"
#include "platform/real/system_clock.h"
#include "widgets/main_frame_link.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 5;
constexpr int kAgendaEntries = 100'000;
constexpr int kListEntries = 10'000;

struct Times {
    std::vector<double> open;
    std::vector<double> close;
};

// The organizer asks nothing of the frame that costs time.
class NoFrame : public MainFrameLink {
public:
    void setFrameEnabled(bool) override {}
    void openBrowser(const QString&) override {}
    FileDialog& fileDialog() override { std::abort(); }
    bool mayAsk() const override { return true; }
};

void fillStore(const QString& directory)
{
    QtSettingsStore store(directory);
    store.update(Texts::kOrganizerStore, [&] {
        Agenda agenda;
        for (int i = 0; i < kAgendaEntries; ++i) {
            agenda.dates.append(dateText(1 + i % 12, 1 + i % 28, i % 3001));
            agenda.texts.append(QStringLiteral("Appointment number %1\nwith a second line").arg(i));
        }
        agenda.save(store);
        QStringList phones;
        QStringList favourites;
        for (int i = 0; i < kListEntries; ++i) {
            phones.append(namedEntry(QStringLiteral("Person %1").arg(kListEntries - i),
                                     QStringLiteral("555-%1").arg(i, 4, 10, QLatin1Char('0'))));
            favourites.append(namedEntry(QStringLiteral("Site %1").arg(kListEntries - i),
                                         QStringLiteral("http://example.com/page/%1").arg(i)));
        }
        saveNamedList(store, kPhonePlace, phones);
        saveNamedList(store, kFavouritesPlace, favourites);
    });
}

// One start of the program's store, one opening of the organizer and one closing, the file
// written included.
void measure(const QString& directory, Times& times)
{
    QtSettingsStore store(directory);
    QtMessageBox messages;
    QtPrinter printer;
    SystemClock clock;
    NoFrame frame;
    QElapsedTimer timer;
    timer.start();
    auto* organizer = new OrganizerWindow(store, messages, printer, clock, frame);
    organizer->setAttribute(Qt::WA_DeleteOnClose);
    organizer->show();
    QApplication::processEvents();
    times.open.push_back(elapsedMs(timer));

    timer.restart();
    organizer->close();
    times.close.push_back(elapsedMs(timer));
    QApplication::processEvents();
}

void report(const char* what, double value, double target)
{
    std::printf("  %-44s %8.1f ms  (target: under %.0f ms) %s\n", what, value, target,
                value < target ? "ok" : "MISSED");
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    QTemporaryDir full;
    QTemporaryDir empty;
    fillStore(full.path());
    std::printf("Organizer, median of %d runs (a fresh store each run, file written at close):\n",
                kRuns);
    std::printf("  store: %d agenda entries, %d phone numbers, %d favourites\n", kAgendaEntries,
                kListEntries, kListEntries);

    Times fullTimes;
    Times emptyTimes;
    for (int run = 0; run < kRuns; ++run) {
        measure(full.path(), fullTimes);
        QFile::remove(empty.filePath(Texts::kOrganizerStore + QStringLiteral(".ini")));
        measure(empty.path(), emptyTimes);
    }
    report("open, full store", median(fullTimes.open), 300);
    report("close and save, full store", median(fullTimes.close), 300);
    report("open, empty store", median(emptyTimes.open), 100);
    return 0;
}
