// Opens and closes the organizer over a real settings file holding 100,000 agenda entries,
// 10,000 phone numbers and 10,000 favourites, and over an empty store, and prints the medians.

#include "core/agenda.h"
#include "core/named_list_store.h"
#include "core/stored_count.h"
#include "organizer/organizer_window.h"
#include "platform/real/application_program_info.h"
#include "platform/real/desktop_shell.h"
#include "platform/real/qt_message_box.h"
#include "platform/real/qt_printer.h"
#include "platform/real/qt_settings_store.h"
#include "platform/real/system_clock.h"
#include "platform/real/webengine_browser.h"
#include "shell/app.h"

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

// The real services, over a settings store in the given folder.
PlatformServices services(const QString& directory)
{
    PlatformServices result;
    result.settings = std::make_unique<QtSettingsStore>(directory);
    result.browsers = std::make_unique<WebEngineBrowserFactory>(*result.settings);
    result.messageBox = std::make_unique<QtMessageBox>();
    result.shell = std::make_unique<DesktopShell>(*result.settings);
    result.printer = std::make_unique<QtPrinter>();
    result.clock = std::make_unique<SystemClock>();
    result.programInfo = std::make_unique<ApplicationProgramInfo>();
    return result;
}

void fillStore(const QString& directory)
{
    QtSettingsStore store(directory);
    Agenda agenda;
    for (int i = 0; i < kAgendaEntries; ++i) {
        agenda.Sch1.append(dateText(1 + i % 12, 1 + i % 28, i % 3001));
        agenda.Sch2.append(QStringLiteral("Appointment number %1\nwith a second line").arg(i));
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
}

double milliseconds(const QElapsedTimer& timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// One start of the program's store, one opening of the organizer and one closing, the file
// written included.
void measure(const QString& directory, Times& times)
{
    App app(services(directory));
    QElapsedTimer timer;
    timer.start();
    Calender1& organizer = app.calender1();
    organizer.show();
    QApplication::processEvents();
    times.open.push_back(milliseconds(timer));

    timer.restart();
    app.unload(organizer);
    dynamic_cast<QtSettingsStore&>(app.settings()).flush();
    times.close.push_back(milliseconds(timer));
    QApplication::processEvents();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
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
        QFile::remove(empty.filePath(kOrganizerApplication + QStringLiteral(".ini")));
        measure(empty.path(), emptyTimes);
    }
    report("open, full store", median(fullTimes.open), 1000);
    report("close and save, full store", median(fullTimes.close), 1000);
    report("open, empty store", median(emptyTimes.open), 100);
    return 0;
}
