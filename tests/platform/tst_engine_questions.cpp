#include "platform/real/webengine_profile.h"
#include "support/fake_file_dialog.h"
#include "support/fake_services.h"
#include "support/fake_settings_store.h"
#include "support/local_server.h"
#include "support/test_main.h"

#include <QDir>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <csignal>

namespace {

// The real engine's profile over fakes of the user's answers.
struct Engine {
    FakeSettingsStore settings;
    FakeMessageBox messages;
    FakeFileDialogFactory dialogs;
    std::unique_ptr<WebEngineProfile> profile =
        std::make_unique<WebEngineProfile>(settings, messages, dialogs);
    std::unique_ptr<BrowserControl> browser{profile->createBrowser(nullptr)};

    explicit Engine(bool guarded = false) { browser->setGuarded(guarded); }
    QWebEnginePage* page() const { return browser->findChild<QWebEngineView*>()->page(); }
    bool open(const QUrl& url, const QString& title)
    {
        browser->Navigate(url.toString());
        return QTest::qWaitFor([&] { return browser->LocationName() == title; }, 20000);
    }
};

} // namespace

class TestEngineQuestions : public QObject {
    Q_OBJECT
private slots:
    // Each test on data and cache folders of its own.
    void init()
    {
        m_home = std::make_unique<QTemporaryDir>();
        qputenv("XDG_DATA_HOME", m_home->filePath("data").toUtf8());
        qputenv("XDG_CACHE_HOME", m_home->filePath("cache").toUtf8());
    }

    void cookiesAndSiteDataLastAcrossStarts()
    {
        LocalServer server;
        server.setPage("/in",
                       "<script>document.cookie = 'login=ada'; "
                       "localStorage.setItem('theme', 'dark'); document.title = 'in';</script>");
        server.setPage("/back", "<script>document.title = document.cookie + ' ' + "
                                "localStorage.getItem('theme');</script>");
        QVERIFY(Engine().open(server.url("/in"), "in"));
        QVERIFY(QDir(WebEngineProfile::storageFolder()).exists("Cookies"));
        QVERIFY(Engine().open(server.url("/back"), "login=ada dark"));
    }

    void downloads_data()
    {
        QTest::addColumn<bool>("save");
        QTest::newRow("saved where chosen") << true;
        QTest::newRow("cancelled in the save dialog") << false;
    }

    void downloads()
    {
        QFETCH(bool, save);
        QByteArray body;
        for (int i = 0; i < 300000; ++i)
            body.append(char(i % 251));
        LocalServer server;
        server.set("/get", {body,
                            "application/octet-stream",
                            {"Content-Disposition: attachment; filename=\"report.bin\""}});
        QTemporaryDir folder;
        Engine e;
        const QString target = folder.filePath("mine.bin");
        e.dialogs.answers = {save ? std::optional(target) : std::nullopt};
        QSignalSpy started(e.profile.get(), &BrowserProfile::downloadStarted);
        e.browser->Navigate(server.url("/get").toString());
        QTRY_COMPARE_WITH_TIMEOUT(e.dialogs.offered.size(), 1, 20000);
        const QString downloads =
            QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
        QCOMPARE(e.dialogs.offered, QStringList{downloads + "/report.bin"});
        if (save) {
            QTRY_COMPARE(started.size(), 1);
            auto* download = started[0][0].value<Download*>();
            QTRY_COMPARE_WITH_TIMEOUT(download->state(), Download::State::Finished, 20000);
            QCOMPARE(download->fileName(), "mine.bin");
            QFile saved(target);
            QVERIFY(saved.open(QIODevice::ReadOnly));
            QCOMPARE(saved.readAll(), body);
        }
        QTest::qWait(300);
        QCOMPARE(started.size(), save ? 1 : 0);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files),
                 save ? QStringList{"mine.bin"} : QStringList());
    }

    void permissions_data()
    {
        QTest::addColumn<bool>("guarded");
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("answer");
        QTest::newRow("allowed") << false << 0 << "granted";
        QTest::newRow("denied") << false << 1 << "denied";
        QTest::newRow("full screen: denied unasked") << true << 0 << "denied";
    }

    // The answer holds for the site: asking again asks the user nothing.
    void permissions()
    {
        QFETCH(bool, guarded);
        QFETCH(int, choice);
        QFETCH(QString, answer);
        LocalServer server;
        server.setPage("/ask", "<script>Notification.requestPermission().then(p => "
                               "document.title = p + location.search);</script>");
        Engine e(guarded);
        e.messages.chosen = {choice};
        QVERIFY(e.open(server.url("/ask"), answer));
        QVERIFY(e.open(server.url("/ask?again"), answer + "?again"));
        QCOMPARE(e.messages.prompts.size(), guarded ? 0 : 1);
        if (!guarded) {
            QCOMPARE(e.messages.prompts[0], server.url("/").toDisplayString(QUrl::RemovePath) +
                                                " wants to show notifications.");
            QCOMPARE(e.messages.choiceSets[0], (QStringList{"Allow", "Deny"}));
            QCOMPARE(e.messages.defaults[0], 1);
        }
    }

    void certificateErrors_data()
    {
        QTest::addColumn<bool>("guarded");
        QTest::addColumn<QList<int>>("choices");
        QTest::addColumn<bool>("shown");
        QTest::newRow("refused by default") << false << QList<int>() << false;
        QTest::newRow("continue anyway") << false << QList<int>{1} << true;
        QTest::newRow("full screen: refused unasked") << true << QList<int>{1} << false;
    }

    void certificateErrors()
    {
        QFETCH(bool, guarded);
        QFETCH(QList<int>, choices);
        QFETCH(bool, shown);
        LocalServer server(LocalServer::Security::SelfSigned);
        server.setPage("/", "<title>Secret</title>");
        Engine e(guarded);
        e.messages.chosen = choices;
        QSignalSpy loaded(e.page(), &QWebEnginePage::loadFinished);
        e.browser->Navigate(server.url("/").toString());
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), 20000);
        QTRY_COMPARE(e.browser->LocationName() == "Secret", shown);
        QCOMPARE(e.messages.prompts.size(), guarded ? 0 : 1);
        if (!guarded) {
            QVERIFY2(e.messages.prompts[0].contains("127.0.0.1") &&
                         e.messages.prompts[0].contains("The certificate is not trusted."),
                     qPrintable(e.messages.prompts[0]));
            QCOMPARE(e.messages.choiceSets[0], (QStringList{"Go back", "Continue anyway"}));
            QCOMPARE(e.messages.defaults[0], 0);
        }
    }

    void killedRendererShowsAStopPageThatReloads()
    {
        LocalServer server;
        server.setPage("/", "<title>Alive</title>");
        Engine e;
        QVERIFY(e.open(server.url("/"), "Alive"));
        ::kill(static_cast<pid_t>(e.page()->renderProcessPid()), SIGKILL);
        QTRY_COMPARE_WITH_TIMEOUT(e.browser->LocationName(), "This page stopped", 20000);
        QCOMPARE(e.browser->LocationURL(), server.url("/").toString());
        e.page()->runJavaScript("document.querySelector('a').click()");
        QTRY_COMPARE_WITH_TIMEOUT(e.browser->LocationName(), "Alive", 20000);
    }

private:
    std::unique_ptr<QTemporaryDir> m_home;
};

BRIVOLA_TEST_MAIN(TestEngineQuestions)
#include "tst_engine_questions.moc"
