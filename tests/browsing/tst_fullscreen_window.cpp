#include "browsing/browser_window.h"
#include "platform/twips.h"
#include "support/fullscreen_fixture.h"
#include "support/test_main.h"
#include "widgets/mouse_label.h"
#include "widgets/rectangle_shape.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QTimer>

namespace {

const QString kRefused = QStringLiteral("That page violates parental rules");

// At 96 dots per inch, the fakes' screen of 15360 by 11520 twips is 1024 by 768 pixels.
constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;

// A full-screen window on its first page, with the restriction list given.
struct RefusalFixture : FullScreenFixture {
    FakeBrowserControl* browser;

    // The window opens on its home page, or on the command line's address.
    explicit RefusalFixture(const QStringList& words, const QString& commandLine = QString())
    {
        restrict(words);
        fakes.programInfo->line = commandLine;
        browser = control();
        browser->calls.clear();
    }

    // A page arrives: the title of the page opened, or a page reached by a link.
    void arrive(const QString& address, const QString& title) { browser->showPage(address, title); }
};

} // namespace

class TestFullScreenWindow : public QObject {
    Q_OBJECT
private slots:
    void startPage_data();
    void startPage();
    void coversTheScreenWithTheStripOnTop();
    void toolbarLoadsHiddenNearTheBottom();
    void resizeCentresTheToolbar();
    void minimisedWindowIsNotLaidOut();
    void stripTogglesTheToolbar();
    void qButtonShowsTheToolbarOrFocusesIt();
    void altQShowsTheToolbar();
    void topmostFailureIsIgnored();
    void lamp();
    void pagesNeverOpenNewWindows();
    void titleHistory_data();
    void titleHistory();
    void titleComesFromTheControl();
    void refusedPageGoesBack();
    void everyMatchingEntryRefusesAgain();
    void refusedFirstPageIsReplaced();
    void ownEmptyPageIsNotTested();
    void otherFailuresSayIEError();
    void emptyTitleIsNeverRefused();
    void listIsReadAtEveryLoad();
    void fullScreenHandsOverTheAddress_data();
    void fullScreenHandsOverTheAddress();
    void fullScreenWithoutABrowserNavigatesNowhere_data();
    void fullScreenWithoutABrowserNavigatesNowhere();
    void closingTheWindowReturnsToTheFrame();
};

void TestFullScreenWindow::startPage_data()
{
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("empty command line") << "" << QStringList{"GoHome"};
    QTest::newRow("address") << "http://example.com/a b"
                             << QStringList{"Navigate http://example.com/a b"};
    // A command line the browser refuses ends the loading on the home page.
    QTest::newRow("refused") << "  " << QStringList{"Navigate   ", "GoHome"};
}

void TestFullScreenWindow::startPage()
{
    QFETCH(QString, commandLine);
    QFETCH(QStringList, calls);
    FullScreenFixture f;
    f.fakes.programInfo->line = commandLine;
    QCOMPARE(f.control()->calls, calls);
    QVERIFY(!f.window().isVisible());
    QVERIFY(f.fakes.messageBox->prompts.isEmpty());
}

void TestFullScreenWindow::coversTheScreenWithTheStripOnTop()
{
    FullScreenFixture f;
    Form1& w = f.window();
    QCOMPARE(w.windowTitle(), "Brivola 2.0");
    QVERIFY(w.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(w.geometry(), QRect(0, 0, kScreenWidth, kScreenHeight));
    // The page starts below the strip and reaches below the screen's edge by as much.
    QCOMPARE(w.WebBrowser1->geometry(), QRect(0, 1, kScreenWidth, kScreenHeight));
    QCOMPARE(w.Picture1->geometry(), QRect(0, 0, kScreenWidth, 1));
    w.show();
    QCOMPARE(w.childAt(500, 0), w.Picture1);
    QCOMPARE(w.Command1->text(), "&Q");
    QCOMPARE(w.Command1->geometry(), Twips::rect(2040, 3240, 1215, 615));
    QCOMPARE(w.childAt(w.Command1->geometry().center()), w.WebBrowser1);
}

void TestFullScreenWindow::toolbarLoadsHiddenNearTheBottom()
{
    FullScreenFixture f;
    f.window();
    Form2* toolbar = f.app.loadedForm2();
    QVERIFY(toolbar);
    QVERIFY(!toolbar->isVisible());
    QCOMPARE(toolbar->pos(), QPoint(Twips::toPixels(300), Twips::toPixels(11520 - 1400)));
}

void TestFullScreenWindow::resizeCentresTheToolbar()
{
    FullScreenFixture f;
    f.window().show();
    const int toolbarWidth = f.toolbar().width();
    QCOMPARE(toolbarWidth, Twips::toPixels(8130));
    QCOMPARE(f.toolbar().pos(),
             QPoint((kScreenWidth - toolbarWidth) / 2, Twips::toPixels(11520 - 1400)));

    f.fakes.programInfo->screen = QSize(14400, 10800); // 960 by 720 pixels
    f.window().Form_Resize();
    QCOMPARE(f.window().geometry(), QRect(0, 0, 960, 720));
    QCOMPARE(f.window().WebBrowser1->geometry(), QRect(0, 1, 960, 720));
    QCOMPARE(f.window().Picture1->width(), 960);
    QCOMPARE(f.toolbar().pos(), QPoint((960 - toolbarWidth) / 2, Twips::toPixels(10800 - 1400)));
}

void TestFullScreenWindow::minimisedWindowIsNotLaidOut()
{
    FullScreenFixture f;
    Form1& w = f.window();
    w.show();
    w.showMinimized();
    QTRY_VERIFY(w.isMinimized());
    f.toolbar().move(5, 5);
    w.WebBrowser1->setGeometry(0, 0, 10, 10);
    w.Form_Resize();
    QCOMPARE(w.WebBrowser1->geometry(), QRect(0, 0, 10, 10));
    QCOMPARE(f.toolbar().pos(), QPoint(5, 5));

    w.showNormal();
    QTRY_COMPARE(w.WebBrowser1->geometry(), QRect(0, 1, kScreenWidth, kScreenHeight));
    QCOMPARE(f.toolbar().x(), (kScreenWidth - f.toolbar().width()) / 2);
}

void TestFullScreenWindow::stripTogglesTheToolbar()
{
    FullScreenFixture f;
    Form1& w = f.window();
    w.show();
    QTest::mouseClick(w.Picture1, Qt::LeftButton);
    QVERIFY(f.toolbar().isVisible());
    QCOMPARE(f.fakes.windowSystem->topmost, QList<QPointer<QWidget>>{&f.toolbar()});
    QCOMPARE(f.fakes.windowSystem->owners, QList<QPointer<QWidget>>{&w});

    QTest::mouseClick(w.Picture1, Qt::LeftButton);
    QVERIFY(!f.toolbar().isVisible());
    QCOMPARE(f.toolbar().focusWidget(), f.toolbar().Combo1);

    QTest::mouseClick(w.Picture1, Qt::LeftButton);
    QVERIFY(f.toolbar().isVisible());
    QCOMPARE(f.fakes.windowSystem->topmost.size(), 2);
}

void TestFullScreenWindow::qButtonShowsTheToolbarOrFocusesIt()
{
    FullScreenFixture f;
    Form1& w = f.window();
    w.show();
    w.Command1->click();
    QVERIFY(f.toolbar().isVisible());
    QCOMPARE(f.fakes.windowSystem->topmost.size(), 1);
    f.toolbar().Label4->setFocus();
    w.Command1->click();
    QVERIFY(f.toolbar().isVisible());
    QCOMPARE(f.toolbar().focusWidget(), f.toolbar().Combo1);
    QCOMPARE(f.fakes.windowSystem->topmost.size(), 1);
}

void TestFullScreenWindow::altQShowsTheToolbar()
{
    FullScreenFixture f;
    Form1& w = f.window();
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_Q, Qt::AltModifier);
    QTRY_VERIFY(f.toolbar().isVisible()); // an access key clicks its button a moment later
    // Typing goes straight into the address box.
    QVERIFY(QTest::qWaitForWindowActive(&f.toolbar()));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("example.org"));
    QCOMPARE(f.toolbar().Combo1->currentText(), "example.org");
    // The hidden buttons never hold the focus, here or in the toolbar.
    QVERIFY(w.focusWidget() != w.Command1);
}

void TestFullScreenWindow::topmostFailureIsIgnored()
{
    FullScreenFixture f;
    f.fakes.windowSystem->fails = true;
    f.window().show();
    f.window().Picture1_Click();
    QVERIFY(f.toolbar().isVisible());
    QVERIFY(f.fakes.messageBox->prompts.isEmpty());
}

void TestFullScreenWindow::lamp()
{
    FullScreenFixture f;
    Form1& w = f.window();
    RectangleShape* lamp = f.toolbar().Shape1;
    QCOMPARE(w.Timer1->interval(), 100);
    QVERIFY(w.Timer1->isActive());
    w.Timer1_Timer();
    QCOMPARE(lamp->borderColor(), QColor(0, 0, 255));
    QVERIFY(!w.Timer1->isActive());

    emit f.control()->ProgressChange(10, 100);
    QCOMPARE(lamp->borderColor(), QColor(255, 0, 0));
    QVERIFY(w.Timer1->isActive());
    w.Timer1_Timer();
    QCOMPARE(lamp->borderColor(), QColor(0, 0, 255));
    QVERIFY(!w.Timer1->isActive());
}

void TestFullScreenWindow::pagesNeverOpenNewWindows()
{
    FullScreenFixture f;
    QVERIFY(f.control()->requestNewWindow());
}

void TestFullScreenWindow::titleHistory_data()
{
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QStringList>("history");
    QTest::newRow("in order of arrival")
        << QStringList{"One", "Two", "Three"} << QStringList{"One", "Two", "Three"};
    QTest::newRow("addresses skipped")
        << QStringList{"http://a.org/", "HTTP://B.ORG/", "httpd manual", "Plain"}
        << QStringList{"Plain"};
    QTest::newRow("other cases kept")
        << QStringList{"Http guide", "hTTP", "HTTp"} << QStringList{"Http guide", "hTTP", "HTTp"};
    QTest::newRow("repeated title listed once")
        << QStringList{"One", "Two", "One", "Two"} << QStringList{"One", "Two"};
    QTest::newRow("repeat compares case") << QStringList{"One", "ONE"} << QStringList{"One", "ONE"};
    QTest::newRow("first title twice") << QStringList{"Only", "Only"} << QStringList{"Only"};
}

void TestFullScreenWindow::titleHistory()
{
    QFETCH(QStringList, titles);
    QFETCH(QStringList, history);
    FullScreenFixture f;
    for (int i = 0; i < titles.size(); ++i)
        f.control()->showPage(QStringLiteral("page%1").arg(i), titles[i]);
    QCOMPARE(f.window().List2, history);
    QCOMPARE(f.window().Text1, titles.last());
}

void TestFullScreenWindow::titleComesFromTheControl()
{
    FullScreenFixture f;
    f.restrict({QStringLiteral("event")});
    f.control()->title = QStringLiteral("The real title");
    emit f.control()->TitleChange(QStringLiteral("event text"));
    QCOMPARE(f.window().Text1, "The real title");
    QCOMPARE(f.window().List2, QStringList{"The real title"});
    // The restriction test reads the event's text.
    QCOMPARE(f.fakes.messageBox->prompts, QStringList{kRefused});
}

void TestFullScreenWindow::refusedPageGoesBack()
{
    RefusalFixture f({QStringLiteral("casino")});
    f.arrive(QStringLiteral("first"), QStringLiteral("A quiet page"));
    f.arrive(QStringLiteral("second"), QStringLiteral("Casino Night"));
    QCOMPARE(f.browser->calls, (QStringList{"Stop", "GoBack"}));
    QCOMPARE(f.browser->address, "first");
    QCOMPARE(f.fakes.messageBox->prompts, QStringList{kRefused});
    QCOMPARE(f.fakes.messageBox->titles, QStringList{"Brivola 2.0"});
    QCOMPARE(f.fakes.messageBox->buttonSets, QList<MessageBox::Buttons>{MessageBox::Buttons::Ok});
}

void TestFullScreenWindow::everyMatchingEntryRefusesAgain()
{
    RefusalFixture f({QStringLiteral("night"), QStringLiteral("dice"), QStringLiteral("casino")});
    f.arrive(QStringLiteral("one"), QStringLiteral("One"));
    f.arrive(QStringLiteral("two"), QStringLiteral("Two"));
    f.arrive(QStringLiteral("three"), QStringLiteral("Casino Night"));
    QCOMPARE(f.browser->calls, (QStringList{"Stop", "GoBack", "Stop", "GoBack"}));
    QCOMPARE(f.fakes.messageBox->prompts, (QStringList{kRefused, kRefused}));
}

void TestFullScreenWindow::refusedFirstPageIsReplaced()
{
    RefusalFixture f({QStringLiteral("casino"), QStringLiteral("night")},
                     QStringLiteral("casino.html"));
    f.arrive(QStringLiteral("casino.html"), QStringLiteral("Casino Night"));
    const QString showEmpty = QStringLiteral("Navigate ") + Form1::kRefusedPage;
    QCOMPARE(f.browser->calls, (QStringList{"Stop", "GoBack", showEmpty, "Stop", showEmpty}));
    QCOMPARE(f.browser->address, Form1::kRefusedPage);
    QCOMPARE(f.fakes.messageBox->prompts, (QStringList{kRefused, kRefused}));
}

void TestFullScreenWindow::ownEmptyPageIsNotTested()
{
    // An empty entry refuses every title; the empty page must not refuse itself.
    RefusalFixture f({QString()}, QStringLiteral("first"));
    f.arrive(QStringLiteral("first"), QStringLiteral("Anything"));
    QCOMPARE(f.browser->address, Form1::kRefusedPage);
    f.browser->calls.clear();
    f.arrive(Form1::kRefusedPage, QStringLiteral("Brivola 2.0"));
    QVERIFY(f.browser->calls.isEmpty());
    QCOMPARE(f.fakes.messageBox->prompts, QStringList{kRefused});

    // From the empty page, the next refused page goes back to it.
    f.arrive(QStringLiteral("next"), QStringLiteral("Next page"));
    QCOMPARE(f.browser->calls, (QStringList{"Stop", "GoBack"}));
    QCOMPARE(f.browser->address, Form1::kRefusedPage);
}

void TestFullScreenWindow::otherFailuresSayIEError()
{
    RefusalFixture f({QStringLiteral("casino"), QStringLiteral("night")});
    f.arrive(QStringLiteral("first"), QStringLiteral("First"));
    f.browser->stopFails = true;
    f.arrive(QStringLiteral("second"), QStringLiteral("Casino Night"));
    QCOMPARE(f.browser->calls, QStringList{"Stop"});
    QCOMPARE(f.fakes.messageBox->prompts, QStringList{"IE Error"});
    QCOMPARE(f.fakes.messageBox->titles, QStringList{"Brivola 2.0"});
    // The handler ended: the title was not listed.
    QCOMPARE(f.window().List2, QStringList{"First"});
}

void TestFullScreenWindow::emptyTitleIsNeverRefused()
{
    RefusalFixture f({QString(), QStringLiteral("x")});
    f.arrive(QStringLiteral("first"), QString());
    QVERIFY(f.browser->calls.isEmpty());
    QVERIFY(f.fakes.messageBox->prompts.isEmpty());
}

void TestFullScreenWindow::listIsReadAtEveryLoad()
{
    FullScreenFixture f;
    f.restrict({QStringLiteral("casino")});
    QCOMPARE(f.window().List3.entries(), QStringList{"casino"});
    f.restrict({QStringLiteral("poker")});
    QCOMPARE(f.window().List3.entries(), QStringList{"casino"});
    f.window().List2.append(QStringLiteral("seen"));

    f.app.unload(f.window());
    QCOMPARE(f.window().List3.entries(), QStringList{"poker"});
    QVERIFY(f.window().List2.isEmpty());
}

void TestFullScreenWindow::fullScreenHandsOverTheAddress_data()
{
    QTest::addColumn<bool>("fromMenu");
    QTest::newRow("button") << false;
    QTest::newRow("Window menu") << true;
}

void TestFullScreenWindow::fullScreenHandsOverTheAddress()
{
    QFETCH(bool, fromMenu);
    FullScreenFixture f;
    f.frame.cmdBrowser_Click();
    auto* active = qobject_cast<MiniBrowse*>(f.frame.activeChild());
    qobject_cast<FakeBrowserControl*>(active->WebBrowser1)
        ->showPage(QStringLiteral("http://example.com/reading"), QStringLiteral("Reading"));
    if (fromMenu)
        f.frame.mnuFullScreen->trigger();
    else
        f.frame.Command2->click();
    QVERIFY(!f.frame.isVisible());
    QVERIFY(f.window().isVisible());
    QCOMPARE(f.control()->calls, (QStringList{"GoHome", "Navigate http://example.com/reading"}));
    QCOMPARE(f.children().size(), 2);
}

void TestFullScreenWindow::fullScreenWithoutABrowserNavigatesNowhere_data()
{
    QTest::addColumn<QString>("activeChild");
    QTest::newRow("no child") << "";
    QTest::newRow("QuickNote") << "QuickNote";
    QTest::newRow("browser on no page yet") << "Browser";
}

void TestFullScreenWindow::fullScreenWithoutABrowserNavigatesNowhere()
{
    QFETCH(QString, activeChild);
    FullScreenFixture f;
    f.frame.mdiArea->closeAllSubWindows();
    QTRY_VERIFY(f.children().isEmpty());
    if (activeChild == QLatin1String("Browser")) {
        f.frame.newBrowser();
    } else if (!activeChild.isEmpty()) {
        auto* note = new QWidget;
        note->setProperty("Tag", activeChild);
        f.frame.showChild(note);
    }
    f.frame.Command2->click();
    QVERIFY(f.window().isVisible());
    QVERIFY(!f.frame.isVisible());
    QCOMPARE(f.control()->calls.size(), activeChild == QLatin1String("Browser") ? 2 : 1);
    QCOMPARE(f.control()->address, FakeBrowserControl::kHomePage);
    QVERIFY(f.fakes.messageBox->prompts.isEmpty());
}

void TestFullScreenWindow::closingTheWindowReturnsToTheFrame()
{
    FullScreenFixture f;
    f.frame.Command2->click();
    f.window().Picture1_Click();
    QPointer<Form2> toolbar = &f.toolbar();
    Form1& closed = f.window();
    closed.close();
    QVERIFY(f.frame.isVisible());
    QVERIFY(!f.app.loadedForm2());
    // Until it is deleted, nothing the closed window hears loads a toolbar again.
    emit closed.WebBrowser1->ProgressChange(1, 100);
    QVERIFY(!closed.Timer1->isActive());
    QVERIFY(!f.app.loadedForm2());
    QTRY_VERIFY(toolbar.isNull());
    QCOMPARE(f.children().size(), 1);
}

BRIVOLA_TEST_MAIN(TestFullScreenWindow)
#include "tst_fullscreen_window.moc"
