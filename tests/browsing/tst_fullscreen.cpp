#include "browsing/fullscreen_toolbar.h"
#include "browsing/fullscreen_window.h"
#include "browsing/passphrase_dialog.h"
#include "core/passphrase.h"
#include "core/shared_texts.h"
#include "platform/real/qt_message_box.h"
#include "platform/real/webengine_profile.h"
#include "support/frame_fixture.h"
#include "support/local_server.h"
#include "support/test_main.h"
#include "support/windows.h"
#include "widgets/mouse_label.h"
#include "widgets/page_note.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWebEngineView>

#include <algorithm>

using namespace Restrictions;

namespace {

const QString kEmptyPage = FullScreenWindow::kRefusedPage;

// The restriction list the full-screen window reads when it loads.
void storeWords(FakeSettingsStore& settings, const QStringList& words)
{
    settings.write(Texts::kProgramStore, kSection, kCountKey, QString::number(words.size()));
    for (qsizetype i = 0; i < words.size(); ++i)
        settings.write(Texts::kProgramStore, kSection, entryKey(i), words[i]);
}

// The frame over fakes, with a restriction list and a command line for the full-screen window.
struct Fixture : FrameFixture {
    explicit Fixture(const QStringList& words = {}, const QString& commandLine = {})
    {
        storeWords(*fakes.settings, words);
        fakes.programInfo->line = commandLine;
    }
    FullScreenWindow& window() { return app->fullScreenWindow(); }
    FakeBrowserControl* browser() { return static_cast<FakeBrowserControl*>(window().browser); }
    FullScreenToolbar&
    showToolbar() // the window shown with its toolbar up, no browser call made since
    {
        window().show();
        window().toggleToolbar();
        browser()->calls.clear();
        return *loadedWindow<FullScreenToolbar>();
    }
};

// Notes the title each time the picture held over the page gives way to it.
class RevealWatch : public QObject {
public:
    explicit RevealWatch(BrowserControl* browser) : m_browser(browser) {}
    QStringList revealedTitles;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Hide)
            revealedTitles.append(m_browser->title());
        return false;
    }

private:
    BrowserControl* m_browser;
};

// The full-screen window on the real engine, opened on a loopback server's first page.
struct EngineFixture {
    LocalServer server;
    FakePlatform fakes;
    std::unique_ptr<App> app;
    BrowserControl* browser;
    QLabel* heldPicture;
    std::unique_ptr<RevealWatch> reveals;

    EngineFixture()
    {
        server.setPage("/zero", "<title>Where it began</title>");
        server.setPage("/first", "<title>A quiet page</title>");
        storeWords(*fakes.settings, {"casino"});
        fakes.programInfo->line = server.url("/zero").toString();
        fakes.messageBox->whileShown = [] { QTest::qWait(500); };
        PlatformServices services = fakes.services();
        services.browsers =
            std::make_unique<WebEngineProfile>(*services.settings, *services.browsingMemory,
                                               *services.messageBox, *services.fileDialogs);
        app = std::make_unique<App>(std::move(services));
        app->fullScreenWindow().show();
        browser = app->fullScreenWindow().browser;
        heldPicture = browser->findChild<QLabel*>("heldPicture");
        reveals = std::make_unique<RevealWatch>(browser);
        heldPicture->installEventFilter(reveals.get());
    }
    bool titled(const QString& title) const
    {
        return QTest::qWaitFor([&] { return browser->title() == title; }, 20000);
    }
    bool pageSeen() const
    {
        return QTest::qWaitFor([&] { return heldPicture->isHidden(); }, 20000);
    }
    // A page takes clicks only once it has drawn itself, so this clicks until it answers.
    bool clickUntil(const std::function<bool()>& answered) const
    {
        QWidget* view = browser->findChild<QWebEngineView*>()->focusProxy();
        return QTest::qWaitFor(
            [&] {
                QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(20, 20));
                return QTest::qWaitFor(answered, 1000);
            },
            20000);
    }
};

} // namespace

class TestFullScreen : public QObject {
    Q_OBJECT
private slots:
    void stripAndAltQToggleTheToolbar()
    {
        Fixture f;
        FullScreenWindow& w = f.window();
        w.show();
        FullScreenToolbar& bar = *loadedWindow<FullScreenToolbar>();
        QTest::mouseClick(w.revealStrip, Qt::LeftButton);
        QVERIFY(bar.isVisible());
        QCOMPARE(f.fakes.windowSystem->topmost, QList<QPointer<QWidget>>{&bar});
        QTest::mouseClick(w.revealStrip, Qt::LeftButton);
        QVERIFY(!bar.isVisible());
        // Alt+Q shows it, even when it cannot stay on top, with the address selected.
        f.fakes.windowSystem->fails = true;
        bar.addressBox->setEditText("http://earlier.test/");
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_Q, Qt::AltModifier);
        QTRY_COMPARE(QApplication::focusWidget(), bar.addressBox); // access keys act a moment later
        QCOMPARE(bar.addressBox->lineEdit()->selectedText(), "http://earlier.test/");
        QVERIFY(w.focusWidget() != w.toolbarButton); // the hidden button never holds the focus
        QTest::keyClick(bar.addressBox, Qt::Key_Q, Qt::AltModifier);
        QTRY_VERIFY(!bar.isVisible());
    }

    void refusals_data()
    {
        // Each page's address is its title; the window opens on the first, from the command
        // line. Every matching entry stops the page, steps away from it and shows one message.
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QStringList>("pages");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QStringList>("logged"); // "title | address | entry"
        const QString showEmpty = QStringLiteral("navigate ") + kEmptyPage;
        QTest::newRow("every matching entry refuses again")
            << QStringList{"night", "dice", "casino"} << QStringList{"One", "Two", "Casino Night"}
            << QStringList{"stop", "goBack", "stop", "goBack"} << "One"
            << QStringList{"Casino Night | Casino Night | night",
                           "Casino Night | Casino Night | casino"};
        QTest::newRow("refused first page is replaced")
            << QStringList{"casino", "night"} << QStringList{"CasinoNight"}
            << QStringList{"stop", "goBack", showEmpty, "stop", showEmpty} << kEmptyPage
            << QStringList{"CasinoNight | CasinoNight | casino",
                           "CasinoNight | CasinoNight | night"};
        // An empty entry refuses every title; the empty page must not refuse itself.
        QTest::newRow("own empty page is not tested")
            << QStringList{""} << QStringList{"Anything", kEmptyPage, "Next"}
            << QStringList{"stop", "goBack", showEmpty, "stop", "goBack"} << kEmptyPage
            << QStringList{"Anything | Anything | ", "Next | Next | "};
    }

    void refusals()
    {
        QFETCH(QStringList, words);
        QFETCH(QStringList, pages);
        QFETCH(QStringList, calls);
        QFETCH(QString, shown);
        Fixture f(words, pages.first());
        QCOMPARE(f.browser()->calls.takeFirst(), "navigate " + pages.first());
        for (const QString& page : pages)
            f.browser()->showPage(page, page);
        QCOMPARE(f.browser()->calls, calls);
        QCOMPARE(f.browser()->currentAddress, shown);
        QCOMPARE(f.fakes.messageBox->prompts,
                 QStringList(calls.count("stop"), FullScreenWindow::kRefusedMessage));
        QFETCH(QStringList, logged);
        QCOMPARE(f.fakes.refusalLog->records, logged);
        QSet<QString> refused; // going back or forward passes over them from now on
        for (const QString& record : logged)
            refused.insert(record.section(" | ", 1, 1));
        QCOMPARE(f.browser()->skipped, refused);
    }

    // A machine's list that cannot be read refuses every page, and says why; links and
    // redirects the control does not follow are recorded too.
    void unreadableMachineListRefusesEverything()
    {
        Fixture f({}, QStringLiteral("first"));
        f.fakes.machine->settings.problem = QStringLiteral("Could not read school.list");
        f.window().show();
        f.browser()->showPage("first", "A quiet page");
        QCOMPARE(f.fakes.messageBox->prompts, QStringList{FullScreenWindow::kUnreadableMessage.arg(
                                                  "Could not read school.list")});
        QCOMPARE(f.browser()->currentAddress, kEmptyPage);
        emit f.browser()->navigationRefused(QStringLiteral("magnet:?xt=1"));
        QCOMPARE(f.fakes.refusalLog->records,
                 (QStringList{"A quiet page | first | ", "A quiet page | magnet:?xt=1 | "}));
    }

    void leavingAsksForThePassphrase_data()
    {
        QTest::addColumn<QString>("hash");
        QTest::addColumn<bool>("fileRead");
        QTest::addColumn<QStringList>("tries");
        QTest::addColumn<bool>("left");
        QTest::addColumn<QString>("said"); // in the dialog, or in a box
        const QString hash = Passphrase::hashed("tree house");
        QTest::newRow("no passphrase") << QString() << true << QStringList() << true << "";
        QTest::newRow("wrong") << hash << true << QStringList{"treehouse"} << false
                               << "Wrong passphrase.";
        QTest::newRow("wrong, then right")
            << hash << true << QStringList{"Tree house", "tree house"} << true << "";
        QTest::newRow("hash damaged")
            << hash.left(20) << true << QStringList() << false << "guard is damaged";
        QTest::newRow("settings unreadable, passphrase unknown")
            << QString() << false << QStringList() << false << "guard is damaged";
    }

    // Closing the window (Exit, Alt+F4, the window manager) asks for the passphrase over it.
    void leavingAsksForThePassphrase()
    {
        QFETCH(QString, hash);
        QFETCH(bool, fileRead);
        QFETCH(QStringList, tries);
        QFETCH(bool, left);
        QFETCH(QString, said);
        Fixture f;
        f.fakes.machine->settings.passphraseHash = hash;
        f.fakes.machine->settings.fileRead = fileRead;
        if (!fileRead)
            f.fakes.machine->settings.problem = QStringLiteral("Could not read Brivola.ini");
        f.frame->fullScreenButton->click();
        QPointer<FullScreenWindow> w = &f.window();
        const bool guarded = !hash.isEmpty() || !fileRead;
        QCOMPARE(f.browser()->guard,
                 guarded ? AddressRules::Guard::Parent : AddressRules::Guard::FullScreen);
        // Mapped by another program, the hidden frame takes nothing while leaving is guarded.
        QCOMPARE(f.frame->isEnabled(), !guarded);
        w->close();
        for (const QString& passphrase : tries) {
            auto* dialog = w->findChild<PassphraseDialog*>();
            QVERIFY(dialog && dialog->isVisible());
            dialog->passphraseBox->setText(passphrase);
            dialog->leaveButton->click();
        }
        QCOMPARE(f.frame->isVisible(), left);
        QCOMPARE(f.frame->isEnabled(), f.frame->isVisible());
        QCOMPARE(!w.isNull() && w->isVisible(), !left);
        if (auto* dialog = w ? w->findChild<PassphraseDialog*>() : nullptr)
            QVERIFY(dialog->statusLabel->text().contains(said));
        else if (!said.isEmpty())
            QVERIFY(!f.fakes.messageBox->prompts.isEmpty() &&
                    f.fakes.messageBox->prompts.last().contains(said));
        // "Mini" needs none, and a termination signal asks nothing.
        if (w) {
            QTest::mouseClick(f.showToolbar().miniLabel, Qt::LeftButton);
            QTRY_VERIFY(w->isMinimized());
            const qsizetype asked = f.fakes.messageBox->prompts.size();
            w->leaveWithoutQuestions();
            QVERIFY(f.frame->isVisible() && (w.isNull() || !w->isVisible()));
            QCOMPARE(f.fakes.messageBox->prompts.size(), asked);
        }
    }

    // After a few wrong tries each next one waits longer, also when the dialog is closed and
    // asked for again; the right one is taken only once the pause is over.
    void wrongPassphrasesMakeItWait()
    {
        Fixture f;
        f.fakes.machine->settings.passphraseHash = Passphrase::hashed("tree house");
        f.frame->fullScreenButton->click();
        QPointer<FullScreenWindow> w = &f.window();
        w->close();
        QPointer<PassphraseDialog> dialog = w->findChild<PassphraseDialog*>();
        for (const char* wrong : {"a", "b", "c"}) {
            dialog->passphraseBox->setText(wrong);
            dialog->leaveButton->click();
        }
        QVERIFY(!dialog->leaveButton->isEnabled());
        QVERIFY(dialog->statusLabel->text().contains("Wait 1 seconds"));
        dialog->reject();
        QTRY_VERIFY(dialog.isNull());
        w->close();
        dialog = w->findChild<PassphraseDialog*>();
        QVERIFY(dialog && !dialog->passphraseBox->isEnabled());
        dialog->passphraseBox->setText("tree house");
        dialog->tryPassphrase(); // too early: not taken
        QVERIFY(w->isVisible());
        QTRY_VERIFY(dialog->leaveButton->isEnabled());
        dialog->leaveButton->click();
        QVERIFY(f.frame->isVisible());
    }

    // As in a browser window, a clicked-for new window opens here and a script's stays closed,
    // said for a moment; an address with a restricted word is refused before it loads.
    void newWindows_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("clicked");
        QTest::addColumn<bool>("loads");
        QTest::newRow("clicked") << "http://a.test/" << true << true;
        QTest::newRow("clicked, restricted") << "http://casino.test/" << true << false;
        QTest::newRow("opened by a script") << "http://a.test/" << false << false;
    }

    void newWindows()
    {
        QFETCH(QString, address);
        QFETCH(bool, clicked);
        QFETCH(bool, loads);
        Fixture f({QStringLiteral("casino")});
        f.window().show();
        f.browser()->calls.clear();
        emit f.browser()->newWindowRequested(address, clicked);
        QCOMPARE(f.browser()->calls, loads ? QStringList{"navigate " + address} : QStringList());
        const bool refused = clicked && !loads;
        QCOMPARE(f.fakes.messageBox->prompts,
                 refused ? QStringList{FullScreenWindow::kRefusedMessage} : QStringList());
        QCOMPARE(f.window().pageNote->isVisible(), !clicked);
    }

    // A new page stays under the held picture while its title only stands for its address, as
    // the engine names a page before its own title is known; its own title lets it show.
    void pageHeldUntilItsTitlePasses_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("held");
        QTest::newRow("web page, by its address") << "http://a.test/x"
                                                  << "a.test/x" << true;
        QTest::newRow("web page, its own title") << "http://a.test/x"
                                                 << "Gardening" << false;
        QTest::newRow("local file, by its name") << "file:///tmp/Garden.html"
                                                 << "Garden.html" << true;
        QTest::newRow("local file, its own title") << "file:///tmp/Garden.html"
                                                   << "Gardening" << false;
    }

    void pageHeldUntilItsTitlePasses()
    {
        QFETCH(QString, address);
        QFETCH(QString, title);
        Fixture f({QStringLiteral("casino")}, QStringLiteral("quiet"));
        f.browser()->showPage("quiet", "A quiet page");
        QVERIFY(!f.browser()->pictureHeld);
        f.browser()->showPage(address, title);
        QTEST(f.browser()->pictureHeld, "held");
    }

    // One refused navigation gives one box per matching entry. Its own later titles refuse
    // nothing more; one arriving while the box is open leaves the move back to finish, without
    // another box.
    void oneBoxPerRefusedPage()
    {
        Fixture f({QStringLiteral("casino")}, QStringLiteral("quiet"));
        f.browser()->showPage("quiet", "A quiet page");
        f.browser()->calls.clear();
        f.browser()->showPage("http://casino.test/", "http://casino.test/"); // the address first
        emit f.browser()->titleChanged(QStringLiteral("Casino Night"));      // then its title
        QCOMPARE(f.browser()->calls, (QStringList{"stop", "goBack"}));
        f.browser()->showPage("quiet", "A quiet page"); // back on the earlier page
        QCOMPARE(f.fakes.messageBox->prompts.size(), 1);
        f.window().endRefusal(); // a moment later

        f.browser()->calls.clear();
        f.fakes.messageBox->whileShown = [&f] {
            for (const char* title : {"Casino 1", "Casino 2"})
                emit f.browser()->titleChanged(QLatin1String(title));
        };
        f.browser()->showPage("http://flood.test/", "Casino 0");
        QCOMPARE(f.browser()->calls, (QStringList{"stop", "goBack"}));
        QCOMPARE(f.fakes.messageBox->prompts.size(), 2);
    }

    void realEngineRefusals_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QString>("click"); // the title on which the user clicks the page
        QTest::addColumn<bool>("jump");     // typed in the toolbar and "Jump!" rather than a link
        QTest::addColumn<QString>("end");   // where the screen ends; empty: the empty page
        QTest::addColumn<QString>("back");  // where "<" then goes
        QTest::addColumn<int>("boxes");
        // Its address is its first title: stopped before it shows, the page before stays.
        QTest::newRow("refused on its way")
            << "/casino" << QByteArray("<title>Games</title>") << "" << false << "/first"
            << "/zero" << 1;
        QTest::newRow("refused by its title after Jump!")
            << "/games" << QByteArray("<title>Casino Night</title>") << "" << true << "/first"
            << "/zero" << 1;
        // The page's question on leaving neither stops the refusal nor waits for an answer.
        QTest::newRow("asks to stay")
            << "/page"
            << QByteArray("<script>onclick = () => document.title = 'Casino Night'; "
                          "onbeforeunload = e => { e.preventDefault(); e.returnValue = ''; }; "
                          "document.title = 'Stay';</script>")
            << "Stay" << false << "/first"
            << "/zero" << 1;
        // Going back stays within the refused document, so the check a moment later puts the
        // empty page in its place; going back from there passes over the refused entry.
        QTest::newRow("pushes its own entry")
            << "/page"
            << QByteArray("<script>onclick = () => { history.pushState({}, '', '/page#lobby'); "
                          "document.title = 'Casino lobby'; }; document.title = 'Games';</script>")
            << "Games" << false << ""
            << "/page" << 1;
        // Moves within a page that passes, to its own entries and back, show it again.
        QTest::newRow("passes, moves to its own entry")
            << "/app"
            << QByteArray("<title>Games</title><script>onclick = () => "
                          "history.pushState({}, '', '/app/lobby');</script>")
            << "Games" << false << "/app/lobby"
            << "/app" << 0;
    }

    // Real pages on the real engine: each refused page is gone, after one box, and was never
    // seen; the page before is back, and "<" never leads into the refused page again.
    void realEngineRefusals()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, page);
        QFETCH(QString, click);
        QFETCH(bool, jump);
        QFETCH(QString, end);
        QFETCH(QString, back);
        QFETCH(int, boxes);
        EngineFixture e;
        e.server.setPage(path.toUtf8(), page);
        QVERIFY(e.titled("Where it began"));
        e.browser->navigate(e.server.url("/first").toString());
        QVERIFY(e.titled("A quiet page"));
        e.app->fullScreenWindow().toggleToolbar();
        FullScreenToolbar* toolbar = loadedWindow<FullScreenToolbar>();
        if (jump) {
            toolbar->addressBox->setCurrentText(e.server.url(path).toString());
            toolbar->jump();
        } else {
            e.browser->navigate(e.server.url(path).toString());
        }
        // The title comes once the page's handlers are set.
        if (!click.isEmpty()) {
            QVERIFY(e.titled(click));
            const QString before = e.browser->url();
            QVERIFY(e.clickUntil(
                [&] { return e.browser->title() != click || e.browser->url() != before; }));
        }
        const QStringList& prompts = e.fakes.messageBox->prompts;
        QTRY_COMPARE_WITH_TIMEOUT(prompts.size(), boxes, 20000);
        const QString shown = end.isEmpty() ? kEmptyPage : e.server.url(end).toString();
        QTRY_COMPARE_WITH_TIMEOUT(e.browser->url(), shown, 20000);
        QVERIFY(e.pageSeen());
        QTest::qWait(300);
        QCOMPARE(prompts.size(), boxes);

        toolbar->goBack();
        QTRY_COMPARE_WITH_TIMEOUT(e.browser->url(), e.server.url(back).toString(), 20000);
        QVERIFY(e.pageSeen());
        QTest::qWait(300);
        QCOMPARE(prompts.size(), boxes);
        const QStringList& revealed = e.reveals->revealedTitles;
        QVERIFY2(!revealed.join('\n').contains("casino", Qt::CaseInsensitive),
                 qPrintable(revealed.join(", ")));
        QVERIFY(revealed.contains("A quiet page"));
    }

    // A link to a page whose address holds a listed word: refused as it arrives, and the page
    // with the link is back, also when the page's own title comes while the box is open.
    void linkedRefusalReturnsToThePageBefore()
    {
        EngineFixture e;
        e.server.setPage("/links", "<title>Links</title><a href=\"/casino-room\">go</a>");
        e.server.setPage("/casino-room", "<title>Casino Night</title>");
        QVERIFY(e.titled("Where it began"));
        e.browser->navigate(e.server.url("/links").toString());
        QVERIFY(e.titled("Links"));
        e.browser->findChild<QWebEngineView*>()->page()->runJavaScript(
            "document.querySelector('a').click()");
        const QStringList& prompts = e.fakes.messageBox->prompts;
        QTRY_COMPARE_WITH_TIMEOUT(prompts.size(), 1, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(e.browser->url(), e.server.url("/links").toString(), 20000);
        QVERIFY(e.pageSeen());
        QTest::qWait(1500); // past the check after the refusal
        QCOMPARE(e.browser->url(), e.server.url("/links").toString());
        QCOMPARE(prompts.size(), 1);
    }

    // With the frame hidden and no window active, dismissing a refusal ends nothing: the
    // program runs on until the frame, back after "Exit", is closed.
    void dismissedRefusalKeepsTheProgram()
    {
        FrameFixture f([](PlatformServices& services) {
            services.messageBox = std::make_unique<QtMessageBox>();
        });
        storeWords(*f.fakes.settings, {"casino"});
        f.frame->fullScreenButton->click();
        FullScreenWindow& window = f.app->fullScreenWindow();
        auto* browser = static_cast<FakeBrowserControl*>(window.browser);
        QTimer::singleShot(0, [&] {
            window.showMinimized(); // "Mini": nothing of the program is active
            QTimer::singleShot(100, [&] { browser->showPage("casino", "Casino Night"); });
            QTimer::singleShot(500, [] {
                if (QWidget* box = QApplication::activeModalWidget())
                    box->close();
            });
            QTimer::singleShot(1000, [&] {
                window.close(); // as "Exit" does
                QApplication::exit(f.frame->isVisible() ? 42 : 1);
            });
        });
        QCOMPARE(QApplication::exec(), 42);
    }

    void addressBox_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("byEnter"); // else by "Jump!"
        QTest::addColumn<bool>("refused"); // what would show text no title test sees
        const QString page = QStringLiteral(" example.com/a b");
        QTest::newRow("Enter") << page << true << false;
        QTest::newRow("Jump!") << page << false << false;
        QTest::newRow("data page, by Enter") << "data:text/html,<h1>Casino</h1>" << true << true;
    }

    void addressBox()
    {
        QFETCH(QString, text);
        QFETCH(bool, byEnter);
        QFETCH(bool, refused);
        Fixture f;
        FullScreenToolbar& bar = f.showToolbar();
        bar.addressBox->setEditText(text);
        if (byEnter)
            QTest::keyClick(bar.addressBox, Qt::Key_Return);
        else
            QTest::mouseClick(bar.jumpLabel, Qt::LeftButton);
        QCOMPARE(f.browser()->calls, QStringList{"navigate " + text});
        QCOMPARE(bar.addressBox->count(), refused ? 0 : 1); // the addresses gone to
        QCOMPARE(f.fakes.messageBox->prompts,
                 refused ? QStringList{"Cannot connect to this site or directory"} : QStringList());
        QCOMPARE(bar.isVisible(), !(byEnter && !refused)); // Enter hides the toolbar; "Jump!" not
    }

    // The toolbar's commands by keyboard: Tab goes from the address box through them in their
    // on-screen order and round again; Enter and Space press one, with the press feedback.
    // Assistive technology sees named buttons and presses them.
    void toolbarWithoutAMouse()
    {
        Fixture f;
        FullScreenToolbar& bar = f.showToolbar();
        bar.focusAddressBox();
        QVERIFY(QTest::qWaitForWindowActive(&bar));
        bar.addressBox->setEditText("http://example.com/");
        const QList<QWidget*> order{bar.jumpLabel,    bar.searchLabel, bar.homeLabel,
                                    bar.backLabel,    bar.stopLabel,   bar.forwardLabel,
                                    bar.refreshLabel, bar.miniLabel,   bar.exitLabel};
        for (QWidget* next : order + QList<QWidget*>{bar.addressBox}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        bar.homeLabel->setFocus(Qt::TabFocusReason);
        QTest::keyClick(bar.homeLabel, Qt::Key_Return);
        QCOMPARE(bar.homeLabel->palette().color(QPalette::WindowText), QColor(192, 0, 0));
        QTest::keyClick(bar.homeLabel, Qt::Key_Space);
        QCOMPARE(f.browser()->calls, (QStringList{"goHome", "goHome"}));

        f.browser()->calls.clear();
        const QStringList names{"Jump!",   "Search",  "Home", "Back", "Stop",
                                "Forward", "Refresh", "Mini", "Exit"};
        for (qsizetype i = 0; i < order.size(); ++i) {
            QAccessibleInterface* command = QAccessible::queryAccessibleInterface(order[i]);
            QCOMPARE(command->text(QAccessible::Name), names[i]);
            if (i < order.size() - 2) // "Mini" and "Exit" end the mode; their clicks are tested
                command->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        }
        QCOMPARE(f.browser()->calls,
                 (QStringList{"navigate http://example.com/", "goSearch", "goHome", "goBack",
                              "stop", "goForward", "refresh"}));
    }

    // Entering from the frame, the toolbar's failing commands (which show nothing), "Mini",
    // restoring, "Exit", and entering again.
    void leavingAndComingBack()
    {
        Fixture f({QStringLiteral("casino")});
        const QList<QMdiSubWindow*> children = f.children();
        const QString reading = QStringLiteral("http://example.com/reading");
        f.fakes.browsers->controls().first()->showPage(reading, "Reading");
        f.frame->fullScreenAction->trigger(); // the full-screen window takes the active page
        QVERIFY(!f.frame->isVisible());
        QCOMPARE(f.browser()->calls, (QStringList{"goHome", "navigate " + reading}));
        QPointer<FullScreenWindow> w = &f.window();
        QPointer<FullScreenToolbar> bar = &f.showToolbar();
        f.browser()->stopFails = true; // and nothing lies ahead
        for (MouseLabel* label : {bar->stopLabel, bar->forwardLabel})
            QTest::mouseClick(label, Qt::LeftButton);
        QCOMPARE(f.browser()->calls, (QStringList{"stop", "goForward"}));
        QVERIFY(f.fakes.messageBox->prompts.isEmpty());
        QTest::mouseClick(bar->miniLabel, Qt::LeftButton);
        QTRY_VERIFY(w->isMinimized());
        QVERIFY(!bar->isVisible());
        w->showNormal();
        w->toggleToolbar();
        QTest::mouseClick(bar->exitLabel, Qt::LeftButton); // "Exit"
        QVERIFY(f.frame->isVisible());
        QCOMPARE(f.children(), children);
        emit w->browser->progressChanged(1, 100); // heard by the closed window before deletion
        QTRY_VERIFY(w.isNull() && bar.isNull());
        QVERIFY(!loadedWindow<FullScreenToolbar>()); // it loaded no toolbar again

        // The next full-screen mode starts afresh and reads the lists again, the user's and the
        // machine's.
        storeWords(*f.fakes.settings, {"poker"});
        f.fakes.machine->settings.restrictions = {"dice"};
        f.frame->fullScreenButton->click();
        QCOMPARE(f.window().restrictions.entries(), (QStringList{"poker", "dice"}));
        QVERIFY(f.window().titlesSeen.isEmpty());
    }
};

BRIVOLA_TEST_MAIN(TestFullScreen)
#include "tst_fullscreen.moc"
