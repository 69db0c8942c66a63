#include "core/agenda.h"
#include "core/internet_settings.h"
#include "core/named_list_store.h"
#include "core/shared_texts.h"
#include "organizer/named_list_page.h"
#include "organizer/organizer_window.h"
#include "platform/real/qt_settings_store.h"
#include "platform/real/webengine_profile.h"
#include "shell/app.h"
#include "shell/main_frame.h"
#include "shell/real_platform.h"
#include "shell/signal_exit.h"
#include "support/fake_browsing_memory.h"
#include "support/fake_file_dialog.h"
#include "support/fake_services.h"
#include "support/fake_settings_store.h"
#include "support/local_server.h"
#include "support/test_main.h"

#include <QLineEdit>
#include <QNetworkCookie>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEngineCookieStore>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <csignal>
#include <cstdio>

namespace {

// This program started again as the program itself, over the folders of the test's home.
constexpr char kRunUntilSignalled[] = "--run-until-signalled";
constexpr char kQuestionOpen[] = "--question-open";
constexpr int kReadyMs = 90000; // the engine starts slowly on a busy machine
constexpr int kEndMs = 30000;

const QString kAgendaText = QStringLiteral("Dentist at ten");

// The phone number and the favourite typed, by the list they go to.
const QList<std::pair<const NamedListPlace*, QStringList>> kEntries{
    {&kPhonePlace, {"Alice", "555 0100"}}, {&kFavouritesPlace, {"Local", "127.0.0.1"}}};

void typeEntries(OrganizerWindow& organizer)
{
    for (const auto& [place, entry] : kEntries) {
        NamedListPage* page = place == &kPhonePlace ? organizer.phonePage : organizer.favoritesPage;
        page->nameBox->setText(entry[0]);
        page->valueBox->setText(entry[1]);
        page->addButton->click();
    }
    organizer.agendaText->setPlainText(kAgendaText); // today's
}

// The program with its frame, whose first browser window loads the home page (which sets a
// cookie), and the organizer open with entries typed but not saved; with kQuestionOpen, the
// organizer's "Are you sure" waits for an answer too. Says "ready" on standard output once the
// engine holds the cookie.
int runUntilSignalled(int argc, char* argv[], bool questionOpen)
{
    EngineSetup::configure();
    QApplication application(argc, argv);
    EngineSetup::chooseCompositing();
    App app(realPlatform());
    const SignalExit signalExit(app);
    app.mainFrame().showMaximized();
    bool cookieSet = false;
    QWebEngineProfile* profile =
        app.mainFrame().activeChild()->findChild<QWebEngineView*>()->page()->profile();
    QObject::connect(profile->cookieStore(), &QWebEngineCookieStore::cookieAdded,
                     [&](const QNetworkCookie& cookie) { cookieSet |= cookie.name() == "kept"; });
    app.mainFrame().showOrganizer();
    typeEntries(app.organizerWindow());
    if (questionOpen)
        QTimer::singleShot(0, &app.organizerWindow(), &OrganizerWindow::clearAgenda);
    QTimer ready;
    QObject::connect(&ready, &QTimer::timeout, [&] {
        if (cookieSet && (!questionOpen || QApplication::activeModalWidget())) {
            std::puts("ready");
            std::fflush(stdout);
            ready.stop();
        }
    });
    ready.start(50);
    const int status = QApplication::exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}

} // namespace

class TestTermination : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_server.setPage("/cookies",
                         "<script>document.title = 'cookies: ' + document.cookie;</script>");
        m_server.set(
            "/", {"<title>Cookie</title>", "text/html", {"Set-Cookie: kept=yes; Max-Age=86400"}});
    }

    // A termination signal ends the program as File > Exit does, also while a question waits:
    // exit status 0, the organizer's entries saved as it closes, and the cookie a page set a
    // moment before is there for the next start.
    void signalEndsTheProgramAsExitDoes_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("questionOpen");
        QTest::newRow("SIGTERM") << SIGTERM << false;
        QTest::newRow("SIGHUP") << SIGHUP << false;
        QTest::newRow("SIGINT, a question open") << SIGINT << true;
    }

    void signalEndsTheProgramAsExitDoes()
    {
        QFETCH(int, signal);
        QFETCH(bool, questionOpen);
        QTemporaryDir home;
        const QString config = home.filePath("config");
        const QString data = home.filePath("data");
        const QString cache = home.filePath("cache");
        QtSettingsStore(config + "/brivola")
            .write(Texts::kProgramStore, InternetSettings::kSection, InternetSettings::kHomePageKey,
                   m_server.url("/").toString());

        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home.path());
        environment.insert("XDG_CONFIG_HOME", config);
        environment.insert("XDG_DATA_HOME", data);
        environment.insert("XDG_CACHE_HOME", cache);
        child.setProcessEnvironment(environment);
        QStringList arguments{kRunUntilSignalled};
        if (questionOpen)
            arguments.append(kQuestionOpen);
        child.start(QCoreApplication::applicationFilePath(), arguments);
        // The server answers from this event loop, which must run while the child starts.
        QTRY_VERIFY_WITH_TIMEOUT(child.canReadLine(), kReadyMs);
        QCOMPARE(child.readLine(), QByteArray("ready\n"));
        ::kill(static_cast<pid_t>(child.processId()), signal);
        QVERIFY(child.waitForFinished(kEndMs));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);

        const QtSettingsStore store(config + "/brivola");
        for (const auto& [place, entry] : kEntries)
            QCOMPARE(loadNamedList(store, *place), QStringList{namedEntry(entry[0], entry[1])});
        bool agendaSaved = false;
        for (const auto& [key, value] : store.keyValues(Texts::kOrganizerStore, kAgendaSection))
            agendaSaved |= value == kAgendaText;
        QVERIFY(agendaSaved);

        // The program's next start over the same folders sends the cookie.
        qputenv("XDG_DATA_HOME", data.toUtf8());
        qputenv("XDG_CACHE_HOME", cache.toUtf8());
        FakeSettingsStore settings;
        FakeMessageBox messages;
        FakeFileDialogFactory dialogs;
        FakeBrowsingMemory memory;
        WebEngineProfile next(settings, memory, messages, dialogs);
        const std::unique_ptr<BrowserControl> browser{next.createBrowser(nullptr)};
        browser->navigate(m_server.url("/cookies").toString());
        QTRY_COMPARE_WITH_TIMEOUT(browser->title(), "cookies: kept=yes", kEndMs);
    }

private:
    LocalServer m_server;
};

int main(int argc, char* argv[])
{
    if (argc >= 2 && qstrcmp(argv[1], kRunUntilSignalled) == 0)
        return runUntilSignalled(argc, argv, argc >= 3 && qstrcmp(argv[2], kQuestionOpen) == 0);
    EngineSetup::configure();
    QApplication application(argc, argv);
    EngineSetup::chooseCompositing();
    TestTermination test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_termination.moc"
