#include "core/errors.h"
#include "core/internet_settings.h"
#include "core/shared_texts.h"
#include "platform/real/webengine_profile.h"
#include "support/fake_file_dialog.h"
#include "support/fake_services.h"
#include "support/fake_settings_store.h"
#include "support/files.h"
#include "support/local_server.h"
#include "support/test_main.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPrintDialog>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <csignal>

namespace {

constexpr int kLoadTimeout = 20000;

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
    bool shows(const QString& title) const
    {
        return QTest::qWaitFor([&] { return browser->title() == title; }, kLoadTimeout);
    }
    bool open(const QUrl& url, const QString& title)
    {
        browser->navigate(url.toString());
        return shows(title);
    }
};

} // namespace

class TestEngine : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_server.setPage("/target", "<title>Target</title>");
        m_server.setPage("/opener",
                         "<title>Opener</title><script>window.open('/target');</script>");
        m_server.setPage("/in",
                         "<script>document.cookie = 'login=ada'; "
                         "localStorage.setItem('theme', 'dark'); document.title = 'in';</script>");
        m_server.setPage("/back", "<script>document.title = document.cookie + ' ' + "
                                  "localStorage.getItem('theme');</script>");
        m_server.setPage("/ask", "<script>Notification.requestPermission().then(p => "
                                 "document.title = p + location.search);</script>");
        // Data and cache folders that no earlier run has filled.
        qputenv("XDG_DATA_HOME", m_home.filePath("data").toUtf8());
        qputenv("XDG_CACHE_HOME", m_home.filePath("cache").toUtf8());
    }

    // A data page loads in a browser window; the guarded full-screen control refuses it. Texts
    // that are no address are refused by both, and a megabyte of address neither hangs nor
    // crashes.
    void refusedAddressesRaise()
    {
        const QString data = QStringLiteral("data:text/html,<title>Data</title>");
        Engine e;
        QVERIFY_THROWS_EXCEPTION(BrowserError, e.browser->navigate(" \t"));
        e.browser->navigate(data);
        QVERIFY(e.shows("Data"));
        e.browser->setGuarded(true);
        QVERIFY_THROWS_EXCEPTION(BrowserError, e.browser->navigate(data));
        QVERIFY_THROWS_EXCEPTION(BrowserError, e.browser->navigate("javascript:document.title=1"));
        e.browser->navigate("127.0.0.1:9/" + QString(1 << 20, 'a'));
        QTest::qWait(500);
    }

    // A page's request for a window of its own, cancelled, opens nothing.
    void refusedNewWindowOpensNothing()
    {
        Engine e;
        connect(e.browser.get(), &BrowserControl::newWindowRequested, this,
                [](bool* cancel) { *cancel = true; });
        QSignalSpy requests(e.browser.get(), &BrowserControl::newWindowRequested);
        const int windowsBefore = QApplication::topLevelWidgets().size();
        QVERIFY(e.open(m_server.url("/opener"), "Opener"));
        QTRY_COMPARE_WITH_TIMEOUT(requests.count(), 1, kLoadTimeout);
        QTest::qWait(300);
        QCOMPARE(e.browser->title(), "Opener");
        QCOMPARE(QApplication::topLevelWidgets().size(), windowsBefore);
    }

    void wordsGoToTheSearchPage()
    {
        m_server.setPage("/find", "<title>Found</title>");
        Engine e;
        e.settings.write(Texts::kProgramStore, InternetSettings::kSection,
                         InternetSettings::kSearchPageKey,
                         m_server.url("/find").toString() + "?q=%s");
        e.browser->navigate("cooking recipes");
        QVERIFY(e.shows("Found"));
        QVERIFY(m_server.requests.join('\n').contains("GET /find?q=cooking%20recipes HTTP/1.1"));
    }

    void logins_data()
    {
        QTest::addColumn<bool>("guarded");
        QTest::addColumn<QStringList>("answers"); // "user:password", in turn; then cancelled
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("asked");
        QTest::newRow("right") << false << QStringList{"alice:secret"} << "Inside" << 1;
        QTest::newRow("wrong, asked again")
            << false << QStringList{"alice:wrong", "alice:secret"} << "Inside" << 2;
        QTest::newRow("cancelled: the site's page") << false << QStringList{} << "Locked out" << 1;
        QTest::newRow("empty: nothing sent") << false << QStringList{":"} << "Locked out" << 1;
        QTest::newRow("full screen: not asked")
            << true << QStringList{"alice:secret"} << "Locked out" << 0;
    }

    // The question names the site and its realm; an empty login is never sent.
    void logins()
    {
        QFETCH(bool, guarded);
        QFETCH(QStringList, answers);
        QFETCH(QString, title);
        QFETCH(int, asked);
        LocalServer server; // a site of its own, which the engine has no login for yet
        server.setPage("/inside", "<title>Inside</title>");
        server.protect("/inside", "Brivola tests", "alice:secret");
        Engine e(guarded);
        for (const QString& answer : answers)
            e.messages.logins.append(
                MessageBox::Login{answer.section(':', 0, 0), answer.section(':', 1)});
        QVERIFY(e.open(server.url("/inside"), title));
        QTest::qWait(300);
        QCOMPARE(e.messages.prompts.size(), asked);
        const QString site = server.url("/").toDisplayString(QUrl::RemovePath);
        if (asked > 0)
            QCOMPARE(e.messages.prompts[0], site + " asks for a user name and password.\n\n"
                                                   "The site says: \"Brivola tests\"");
        if (asked > 1)
            QCOMPARE(e.messages.prompts[1],
                     "The user name or password was not accepted.\n\n" + e.messages.prompts[0]);
        for (const QByteArray& request : server.requests)
            QVERIFY(!request.contains("Authorization: Basic Og=="));
    }

    void cookiesAndSiteDataLastAcrossStarts()
    {
        QVERIFY(Engine().open(m_server.url("/in"), "in"));
        QVERIFY(Engine().open(m_server.url("/back"), "login=ada dark"));
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
        m_server.set("/get", {body,
                              "application/octet-stream",
                              {"Content-Disposition: attachment; filename=\"report.bin\""}});
        QTemporaryDir folder;
        Engine e;
        const QString target = folder.filePath("mine.bin");
        e.dialogs.answers = {save ? std::optional(target) : std::nullopt};
        QSignalSpy started(e.profile.get(), &BrowserProfile::downloadStarted);
        e.browser->navigate(m_server.url("/get").toString());
        QTRY_COMPARE_WITH_TIMEOUT(e.dialogs.offered.size(), 1, kLoadTimeout);
        const QString downloads =
            QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
        QCOMPARE(e.dialogs.offered, QStringList{downloads + "/report.bin"});
        if (save) {
            QTRY_COMPARE(started.size(), 1);
            auto* download = started[0][0].value<Download*>();
            QTRY_COMPARE_WITH_TIMEOUT(download->state(), Download::State::Finished, kLoadTimeout);
            QCOMPARE(download->fileName(), "mine.bin");
            QCOMPARE(fileBytes(target), body);
        }
        QTest::qWait(300);
        QCOMPARE(started.size(), save ? 1 : 0);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files),
                 save ? QStringList{"mine.bin"} : QStringList());
    }

    void permissions_data()
    {
        QTest::addColumn<bool>("guarded");
        QTest::addColumn<QList<int>>("choices");
        QTest::addColumn<QString>("answer");
        QTest::newRow("allowed") << false << QList<int>{0} << "granted";
        QTest::newRow("denied by default") << false << QList<int>() << "denied";
        QTest::newRow("full screen: denied unasked") << true << QList<int>{0} << "denied";
    }

    // The question names the site; the answer holds for it: asking again asks the user nothing.
    void permissions()
    {
        QFETCH(bool, guarded);
        QFETCH(QList<int>, choices);
        QFETCH(QString, answer);
        Engine e(guarded);
        e.messages.chosen = choices;
        QVERIFY(e.open(m_server.url("/ask"), answer));
        QVERIFY(e.open(m_server.url("/ask?again"), answer + "?again"));
        QCOMPARE(e.messages.prompts.size(), guarded ? 0 : 1);
        if (!guarded)
            QCOMPARE(e.messages.prompts[0], m_server.url("/").toDisplayString(QUrl::RemovePath) +
                                                " wants to show notifications.");
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
        e.browser->navigate(server.url("/").toString());
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), kLoadTimeout);
        QTRY_COMPARE(e.browser->title() == "Secret", shown);
        QCOMPARE(e.messages.prompts.size(), guarded ? 0 : 1);
        if (!guarded) // it names the site and what is wrong
            QVERIFY2(e.messages.prompts[0].contains("127.0.0.1") &&
                         e.messages.prompts[0].contains("The certificate is not trusted."),
                     qPrintable(e.messages.prompts[0]));
    }

    // "Print to File (PDF)" writes the page's text, not a picture of it.
    void printsTextToAPdfFile()
    {
        m_server.setPage("/text",
                         "<title>Long page</title>" +
                             QByteArray("<p>Quince marmalade keeps for a year.</p>").repeated(300));
        Engine e;
        QVERIFY(e.open(m_server.url("/text"), "Long page"));
        QTemporaryDir folder;
        const QString file = folder.filePath("out.pdf");
        QTimer::singleShot(0, this, [file] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            auto* printers = dialog->findChild<QComboBox*>("printers");
            printers->setCurrentIndex(printers->findText("Print to File (PDF)"));
            dialog->findChild<QLineEdit*>("filename")->setText(file);
            dialog->accept();
        });
        QSignalSpy finished(e.browser.get(), &BrowserControl::printFinished);
        e.browser->printPage();
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, kLoadTimeout);
        QVERIFY(finished[0][0].toBool());
        const QByteArray pdf = fileBytes(file);
        QVERIFY2(pdf.startsWith("%PDF") && pdf.size() < 200 * 1024, qPrintable(file));
        QVERIFY(pdf.contains("/Font"));
        QVERIFY(!pdf.contains("/Subtype /Image"));
    }

    void killedRendererShowsAStopPageThatReloads()
    {
        Engine e;
        QVERIFY(e.open(m_server.url("/target"), "Target"));
        ::kill(static_cast<pid_t>(e.page()->renderProcessPid()), SIGKILL);
        QVERIFY(e.shows("This page stopped"));
        QCOMPARE(e.browser->url(), m_server.url("/target").toString());
        e.page()->runJavaScript("document.querySelector('a').click()");
        QVERIFY(e.shows("Target"));
    }

private:
    LocalServer m_server;
    QTemporaryDir m_home;
};

BRIVOLA_TEST_MAIN(TestEngine)
#include "tst_engine.moc"
