#include "browsing/browser_window.h"
#include "core/errors.h"
#include "core/internet_settings.h"
#include "core/shared_texts.h"
#include "platform/real/webengine_profile.h"
#include "support/fake_browsing_memory.h"
#include "support/fake_file_dialog.h"
#include "support/fake_services.h"
#include "support/fake_settings_store.h"
#include "support/files.h"
#include "support/local_server.h"
#include "support/test_main.h"
#include "widgets/page_note.h"

#include <QAccessible>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <csignal>

Q_DECLARE_METATYPE(AddressRules::Guard)

namespace {

constexpr int kLoadTimeout = 20000;

// Stands in for the desktop's handler of a scheme: what the program hands out arrives here.
class HandedOut : public QObject {
    Q_OBJECT
public slots:
    void open(const QUrl& url) { opened.append(url); }

public:
    QList<QUrl> opened;
};

// Fakes of the user's answers, and what the engine keeps of the browsing.
struct Answers {
    FakeSettingsStore settings;
    FakeMessageBox messages;
    FakeFileDialogFactory dialogs;
    FakeBrowsingMemory memory;
};

bool showsTitle(const BrowserControl& browser, const QString& title)
{
    return QTest::qWaitFor([&] { return browser.title() == title; }, kLoadTimeout);
}

// The real engine's profile over fakes of the user's answers.
struct Engine : Answers {
    std::unique_ptr<WebEngineProfile> profile =
        std::make_unique<WebEngineProfile>(settings, memory, messages, dialogs);
    std::unique_ptr<BrowserControl> browser{profile->createBrowser(nullptr)};

    explicit Engine(bool guarded = false)
        : Engine(guarded ? AddressRules::Guard::FullScreen : AddressRules::Guard::None)
    {
    }
    explicit Engine(AddressRules::Guard guard) { browser->setGuard(guard); }
    QWebEnginePage* page() const { return browser->findChild<QWebEngineView*>()->page(); }
    bool shows(const QString& title) const { return showsTitle(*browser, title); }
    bool open(const QUrl& url, const QString& title)
    {
        browser->navigate(url.toString());
        return shows(title);
    }
};

// Whether the word is in a name or value anywhere below the accessibility node.
bool accessibleTextHolds(QAccessibleInterface* node, const QString& word)
{
    if (!node)
        return false;
    if (node->text(QAccessible::Name).contains(word) ||
        node->text(QAccessible::Value).contains(word))
        return true;
    for (int i = 0; i < node->childCount(); ++i) {
        if (accessibleTextHolds(node->child(i), word))
            return true;
    }
    return false;
}

bool accessibleTextHolds(QObject* object, const QString& word)
{
    return accessibleTextHolds(QAccessible::queryAccessibleInterface(object), word);
}

// A browser window over the real engine, shown.
struct EngineWindow : Answers {
    FakeShell shell;
    FakeProgramInfo program;
    WebEngineProfile profile{settings, memory, messages, dialogs};
    BrowserWindow window{profile, memory, messages, shell, program};

    EngineWindow()
    {
        window.show();
        window.resize(800, 600);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    QWidget* page() const { return window.browser->findChild<QWebEngineView*>()->focusProxy(); }
    QWebEnginePage* enginePage() const
    {
        return window.browser->findChild<QWebEngineView*>()->page();
    }
    bool boxShows(const QString& text) const
    {
        return QTest::qWaitFor([&] { return window.addressBox->currentText() == text; },
                               kLoadTimeout);
    }
    bool shows(const QString& title) const { return showsTitle(*window.browser, title); }
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
        m_server.setPage("/blank", "<title>Page</title><a target=_blank href=/target "
                                   "style='display: block; height: 90vh'>Go</a>");
        m_server.setPage("/onclick", "<title>Page</title><body style='height: 90vh' "
                                     "onclick=\"window.open('/target')\">Click</body>");
        for (const char* step : {"1", "2", "3"})
            m_server.setRedirect(QStringLiteral("/r/%1").arg(step),
                                 QStringLiteral("/r/%1").arg(step[0] - '0' + 1));
        m_server.setPage("/r/4", "<title>Four</title>");
        m_server.setPage("/in",
                         "<script>document.cookie = 'login=ada'; "
                         "localStorage.setItem('theme', 'dark'); document.title = 'in';</script>");
        m_server.setPage("/back", "<script>document.title = document.cookie + ' ' + "
                                  "localStorage.getItem('theme');</script>");
        m_server.setPage("/ask", "<script>Notification.requestPermission().then(p => "
                                 "document.title = p + location.search);</script>");
        // The offscreen platform has no accessibility bridge to turn on the engine's side.
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
                qgetenv("QTWEBENGINE_CHROMIUM_FLAGS") + " --force-renderer-accessibility");
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
        e.browser->setGuard(AddressRules::Guard::FullScreen);
        QVERIFY_THROWS_EXCEPTION(BrowserError, e.browser->navigate(data));
        QVERIFY_THROWS_EXCEPTION(BrowserError, e.browser->navigate("javascript:document.title=1"));
        e.browser->navigate("127.0.0.1:9/" + QString(1 << 20, 'a'));
        QTest::qWait(500);
    }

    void otherSchemes_data()
    {
        using AddressRules::Guard;
        const QString magnet = QStringLiteral("magnet:?xt=urn:btih:00");
        QTest::addColumn<Guard>("guard");
        QTest::addColumn<QString>("link");   // the whole page is a link there
        QTest::addColumn<bool>("clicked");   // else the page's script follows it unasked
        QTest::addColumn<bool>("handedOut"); // to the desktop's handler of the scheme
        QTest::addColumn<bool>("refused");   // and the refusal reported with the address
        QTest::newRow("window: clicked magnet handed to the desktop")
            << Guard::None << magnet << true << true << false;
        QTest::newRow("window: magnet without a click kept")
            << Guard::None << magnet << false << false << false;
        QTest::newRow("full screen: clicked magnet")
            << Guard::FullScreen << magnet << true << false << true;
        QTest::newRow("full screen: magnet without a click")
            << Guard::FullScreen << magnet << false << false << true;
        QTest::newRow("full screen: mail link")
            << Guard::FullScreen << "mailto:a@example.com" << true << false << true;
        // The engine itself keeps a web page from local files; that is reported too.
        QTest::newRow("passphrase: local file")
            << Guard::Parent << QUrl::fromLocalFile(QDir::tempPath()).toString() << true << false
            << true;
    }

    // A link to another scheme starts no other program in full-screen mode, and is refused
    // like any address the mode does not open.
    void otherSchemes()
    {
        QFETCH(AddressRules::Guard, guard);
        QFETCH(QString, link);
        QFETCH(bool, clicked);
        QFETCH(bool, handedOut);
        QFETCH(bool, refused);
        HandedOut handler;
        const auto schemes = {"magnet", "mailto", "file"};
        for (const char* scheme : schemes)
            QDesktopServices::setUrlHandler(scheme, &handler, "open");
        const auto unsetHandlers = qScopeGuard([&] {
            for (const char* scheme : schemes)
                QDesktopServices::unsetUrlHandler(scheme);
        });
        const QByteArray follow = clicked ? "onclick = () => document.title = 'Followed';"
                                          : "location = document.links[0].href;"
                                            "document.title = 'Followed';";
        m_server.setPage("/link", "<title>Links</title><a href=\"" + link.toUtf8() +
                                      "\" style=\"position:fixed;inset:0\">go</a><script>" +
                                      follow + "</script>");
        Engine e(guard);
        e.browser->resize(400, 300);
        e.browser->show();
        QSignalSpy refusals(e.browser.get(), &BrowserControl::navigationRefused);
        e.browser->navigate(m_server.url("/link").toString());
        if (clicked) {
            QVERIFY(e.shows("Links"));
            e.browser->setZoomFactor(1.5);
            QWidget* view = e.browser->findChild<QWebEngineView*>()->focusProxy();
            // The page takes clicks only once it has drawn itself: the test clicks until the
            // page has seen one.
            QVERIFY(QTest::qWaitFor(
                [&] {
                    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(20, 20));
                    return QTest::qWaitFor([&] { return e.browser->title() == "Followed"; }, 1000);
                },
                kLoadTimeout));
        }
        QVERIFY(e.shows("Followed"));
        if (handedOut || refused)
            QTRY_VERIFY_WITH_TIMEOUT(!handler.opened.isEmpty() || !refusals.isEmpty(),
                                     kLoadTimeout);
        QTest::qWait(1000); // for anything later
        QCOMPARE(!handler.opened.isEmpty(), handedOut);
        QCOMPARE(refusals, refused ? QList<QVariantList>{{link}} : QList<QVariantList>());
        QCOMPARE(e.browser->url(), m_server.url("/link").toString());
        if (clicked) // the page stays, and so does its zoom
            QCOMPARE(e.browser->zoomFactor(), 1.5);
    }

    // Assistive technology finds no page under the held picture, only the picture; the page
    // comes back with it.
    void heldPictureHidesThePageFromAssistiveTechnology()
    {
        m_server.setPage("/covered", "<title>Covered</title><p>Quokkaberries</p>");
        Engine e(true);
        e.browser->resize(400, 300);
        e.browser->show();
        QVERIFY(e.open(m_server.url("/target"), "Target"));
        e.browser->setPictureHeld(true);
        QVERIFY(e.open(m_server.url("/covered"), "Covered"));
        // The engine has the page's text for assistive technology by now.
        QVERIFY(QTest::qWaitFor(
            [&] {
                return accessibleTextHolds(e.browser->findChild<QWebEngineView*>(),
                                           "Quokkaberries");
            },
            kLoadTimeout));
        QVERIFY(!accessibleTextHolds(e.browser->window(), "Quokkaberries"));
        QVERIFY(accessibleTextHolds(e.browser->window(), "Page loading"));
        e.browser->setPictureHeld(false);
        QVERIFY(accessibleTextHolds(e.browser->window(), "Quokkaberries"));
    }

    // The engine cuts a title at 4096 characters; the whole one follows.
    void longTitlesComeWhole()
    {
        const QByteArray title = QByteArray(5000, 'a') + " casino";
        m_server.setPage("/long", "<title>" + title + "</title>");
        Engine e(true);
        QSignalSpy titles(e.browser.get(), &BrowserControl::titleChanged);
        e.browser->navigate(m_server.url("/long").toString());
        QTRY_VERIFY_WITH_TIMEOUT(!titles.isEmpty() &&
                                     titles.last()[0].toString() == QString::fromLatin1(title),
                                 kLoadTimeout);

        // A window closed while its page is too busy to tell the whole title goes quietly.
        m_server.setPage("/busy",
                         "<title>" + title +
                             "</title><script>"
                             "for (const end = Date.now() + 3000; Date.now() < end;);</script>");
        Engine busy(true);
        QSignalSpy cut(busy.browser.get(), &BrowserControl::titleChanged);
        busy.browser->navigate(m_server.url("/busy").toString());
        QTRY_VERIFY_WITH_TIMEOUT(!cut.isEmpty(), kLoadTimeout);
        busy.browser.reset();
    }

    // A move back or forward, the engine's own or a page's script, passes over a skipped entry
    // and never loads it again.
    void movesPassOverSkippedEntries()
    {
        Engine e(true);
        for (const QString name : {"one", "two", "three"}) {
            m_server.setPage("/" + name, "<title>" + name.toLatin1() + "</title>");
            QVERIFY(e.open(m_server.url("/" + name), name));
        }
        e.browser->skipInHistory(m_server.url("/two").toString());
        QSignalSpy titles(e.browser.get(), &BrowserControl::titleChanged);
        e.page()->triggerAction(QWebEnginePage::Back);
        QVERIFY(e.shows("one"));
        e.page()->runJavaScript("history.forward()");
        QVERIFY(e.shows("three"));
        e.page()->runJavaScript("history.go(-1)");
        QVERIFY(e.shows("one"));
        for (const QList<QVariant>& title : titles)
            QCOMPARE_NE(title[0].toString(), "two");
    }

    // The address box shows the address of the page after redirects, moves within the page,
    // back and forward, and never a password.
    void addressBoxFollowsNavigation()
    {
        EngineWindow w;
        const auto url = [this](const char* path) { return m_server.url(path).toString(); };
        const auto script = [&w](const char* code) {
            return [&w, code] { w.enginePage()->runJavaScript(QLatin1String(code)); };
        };
        QLineEdit* edit = w.window.addressBox->lineEdit();
        const struct {
            const char* step;
            std::function<void()> act;
            QString shown;
        } steps[] = {
            {"redirected three times",
             [&] {
                 edit->setFocus();
                 edit->selectAll();
                 QTest::keyClicks(edit, url("/r/1"));
                 QTest::keyClick(edit, Qt::Key_Return);
             },
             url("/r/4")},
            {"another page", [&] { w.window.navigate(url("/target")); }, url("/target")},
            {"back", [&w] { w.window.goBack(); }, url("/r/4")},
            {"forward", [&w] { w.window.goForward(); }, url("/target")},
            // Entries a script adds without a click are skipped by back and forward.
            {"within the page", script("location.hash = 'end'"), url("/target#end")},
            {"the page's own entry", script("history.pushState(null, '', '/moved')"),
             url("/moved")},
            {"the page's script redirected", script("location.href = '/r/2'"), url("/r/4")},
            {"password", [&] { w.window.navigate(url("/target?x").replace("//", "//al:pw@")); },
             url("/target?x").replace("//", "//al@")},
        };
        for (const auto& step : steps) {
            step.act();
            QVERIFY2(w.boxShows(step.shown),
                     qPrintable(step.step + (": " + w.window.addressBox->currentText())));
        }
        QCOMPARE(w.window.addressBox->count(), 1); // only what was typed is listed
        QCOMPARE(w.window.addressBox->itemText(0), url("/r/1"));
    }

    // A window the user's click asked for opens in the same window, also from the context
    // menu; one a script opens unasked stays closed, and the window says so.
    void newWindows_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("how"); // "click", "menu" or nothing
        QTest::addColumn<QString>("title");
        const auto row = [](const char* name, const char* path, const char* how,
                            const char* title) {
            QTest::newRow(name) << QString(path) << QString(how) << QString(title);
        };
        row("target=_blank link", "/blank", "click", "Target");
        row("window.open on a click", "/onclick", "click", "Target");
        row("context menu's Open link", "/blank", "menu", "Target");
        row("window.open without a click", "/opener", "", "Opener");
    }

    void newWindows()
    {
        QFETCH(QString, path);
        QFETCH(QString, how);
        QFETCH(QString, title);
        EngineWindow w;
        const qsizetype windowsBefore = QApplication::topLevelWidgets().size();
        w.window.navigate(m_server.url(path).toString());
        QVERIFY(w.shows(path == "/opener" ? "Opener" : "Page"));
        QTest::qWait(500); // drawn, so that the click lands on the page
        if (how == "click")
            QTest::mouseClick(w.page(), Qt::LeftButton, {}, QPoint(40, 40));
        if (how == "menu") {
            QTest::mouseClick(w.page(), Qt::RightButton, {}, QPoint(40, 40));
            QMenu* menu = nullptr;
            QTRY_VERIFY((menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())));
            QCOMPARE(menu->actions().first()->text(), "Open link");
            menu->actions().first()->trigger();
            menu->close();
        }
        QVERIFY(w.shows(title));
        QTest::qWait(300);
        QCOMPARE(w.window.browser->title(), title);
        QCOMPARE(w.window.pageNote->isVisible(), how.isEmpty());
        if (how.isEmpty())
            QCOMPARE(w.window.pageNote->text(), Texts::kWindowBlocked);
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

    // They are kept in the profile's own folder; the engine's default folder is not left behind.
    void cookiesAndSiteDataLastAcrossStarts()
    {
        QVERIFY(Engine().open(m_server.url("/in"), "in"));
        QVERIFY(Engine().open(m_server.url("/back"), "login=ada dark"));
        QVERIFY(QFile::exists(WebEngineProfile::storageFolder() + "/Cookies"));
        const QString appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QVERIFY(!QFileInfo::exists(appData + "/QtWebEngine"));
    }

    void downloads_data()
    {
        QTest::addColumn<bool>("save");
        QTest::addColumn<bool>("guarded");
        QTest::newRow("saved where chosen") << true << false;
        QTest::newRow("cancelled in the save dialog") << false << false;
        QTest::newRow("full screen: cancelled with a message, no dialog") << true << true;
    }

    void downloads()
    {
        QFETCH(bool, guarded);
        QFETCH(bool, save);
        QByteArray body;
        for (int i = 0; i < 300000; ++i)
            body.append(char(i % 251));
        m_server.set("/get", {body,
                              "application/octet-stream",
                              {"Content-Disposition: attachment; filename=\"report.bin\""}});
        QTemporaryDir folder;
        Engine e(guarded);
        const QString target = folder.filePath("mine.bin");
        e.dialogs.answers = {save ? std::optional(target) : std::nullopt};
        QSignalSpy started(e.profile.get(), &BrowserProfile::downloadStarted);
        e.browser->navigate(m_server.url("/get").toString());
        if (guarded) {
            QTRY_COMPARE_WITH_TIMEOUT(e.messages.prompts,
                                      QStringList{"Full-screen mode does not download files."},
                                      kLoadTimeout);
            QTest::qWait(300);
            QVERIFY(e.dialogs.offered.isEmpty() && started.isEmpty());
            QVERIFY(QDir(folder.path()).isEmpty());
            return;
        }
        QTRY_COMPARE_WITH_TIMEOUT(e.dialogs.offered.size(), 1, kLoadTimeout);
        const QString downloads =
            QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
        QCOMPARE(e.dialogs.offered, QStringList{downloads + "/report.bin"});
        QVERIFY(QDir(downloads).exists()); // made for a new account, as browsers do
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
        QTest::addColumn<bool>("remember"); // "Remember this decision" ticked
        QTest::newRow("allowed") << false << QList<int>{0} << "granted" << false;
        QTest::newRow("denied by default") << false << QList<int>() << "denied" << false;
        QTest::newRow("allowed for good") << false << QList<int>{0} << "granted" << true;
        QTest::newRow("denied for good") << false << QList<int>{1} << "denied" << true;
        QTest::newRow("full screen: denied unasked") << true << QList<int>{0} << "denied" << true;
    }

    // The question names the site; the answer holds for it: asking again asks the user nothing.
    // An answer to remember is asked of none of the later profiles (starts) either.
    void permissions()
    {
        QFETCH(bool, guarded);
        QFETCH(QList<int>, choices);
        QFETCH(QString, answer);
        QFETCH(bool, remember);
        QList<SitePermission> kept;
        {
            Engine e(guarded);
            e.messages.chosen = choices;
            e.messages.checks = {remember};
            QVERIFY(e.open(m_server.url("/ask"), answer));
            QVERIFY(e.open(m_server.url("/ask?again"), answer + "?again"));
            QCOMPARE(e.messages.prompts.size(), guarded ? 0 : 1);
            if (!guarded)
                QCOMPARE(e.messages.prompts[0],
                         m_server.url("/").toDisplayString(QUrl::RemovePath) +
                             " wants to show notifications.");
            kept = e.memory.kept;
        }
        QCOMPARE(kept.size(), remember && !guarded ? 1 : 0);
        Engine later(guarded); // asked again unless remembered, and denied by default then
        later.memory.kept = kept;
        const QString laterAnswer = kept.isEmpty() && !guarded ? "denied" : answer;
        QVERIFY(later.open(m_server.url("/ask?later"), laterAnswer + "?later"));
        QCOMPARE(later.messages.prompts.size(), kept.isEmpty() && !guarded ? 1 : 0);
    }

    // Pages shown go into history with their titles, without a user name and password; a
    // site's zoom is kept for it and taken again by a later control on that site.
    void historyAndZoomOfSites()
    {
        QHash<QString, double> zoom;
        QUrl page = m_server.url("/target");
        {
            Engine e;
            page.setUserInfo("ann:secret");
            QVERIFY(e.open(page, "Target"));
            QTRY_COMPARE(e.memory.visitList.size(), 1);
            QCOMPARE(e.memory.visitList[0].address, m_server.url("/target").toString());
            QCOMPARE(e.memory.visitList[0].title, "Target");
            e.browser->setZoomFactor(1.5);
            zoom = e.memory.zoom;
        }
        QCOMPARE(zoom.value(m_server.url("/").host()), 1.5);
        Engine later;
        later.memory.zoom = zoom;
        QVERIFY(later.open(m_server.url("/target?later"), "Target"));
        QCOMPARE(later.browser->zoomFactor(), 1.5);
        QTRY_COMPARE(later.page()->zoomFactor(), 1.5);
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
