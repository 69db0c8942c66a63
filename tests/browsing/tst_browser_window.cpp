#include "browsing/browser_window.h"
#include "support/frame_fixture.h"
#include "support/test_main.h"
#include "widgets/line_shape.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>

namespace {

const QColor kRed(255, 0, 0);
const QColor kDarkBlue(0, 0, 192);

// A browser window of the frame, with its fake control.
struct BrowserFixture : FrameFixture {
    MiniBrowse* window = qobject_cast<MiniBrowse*>(frame.activeChild());
    FakeBrowserControl* control = fakes.browsers->controls().first();

    BrowserFixture() { control->calls.clear(); }

    void enter(const QString& text)
    {
        window->Combo1->setEditText(text);
        QTest::keyClick(window->Combo1, Qt::Key_Return);
    }

    QStringList listed() const
    {
        QStringList items;
        for (int i = 0; i < window->Combo1->count(); ++i)
            items.append(window->Combo1->itemText(i));
        return items;
    }
};

} // namespace

class TestBrowserWindow : public QObject {
    Q_OBJECT
private slots:
    void captionFollowsThePageTitle();
    void enterPassesTheTextAsTyped();
    void addressListStaysSortedWithDuplicates();
    void textIsSelectedAfterEnter();
    void unreachableAddressIsReported();
    void otherKeysDoNothing();
    void loadingBarFlickersRed();
    void buttons_data();
    void buttons();
    void backAndForwardWithoutPagesSayNothing();
    void internetOptionsAndEmail();
    void pagesNeverOpenNewWindows();
    void opensAtThreeQuartersOfTheScreen();
    void layout_data();
    void layout();
    void minimisedWindowIsNotLaidOut();
};

void TestBrowserWindow::captionFollowsThePageTitle()
{
    BrowserFixture f;
    QCOMPARE(f.window->windowTitle(), "MDI Browser");
    QCOMPARE(f.children().first()->windowTitle(), "MDI Browser");
    f.control->showPage(QStringLiteral("http://example.com/"), QStringLiteral("Example"));
    QCOMPARE(f.window->windowTitle(), "Example");
    // The caption is the control's title, whatever text the event carried.
    f.control->title = QStringLiteral("Real title");
    emit f.control->TitleChange(QStringLiteral("event text"));
    QCOMPARE(f.window->windowTitle(), "Real title");
}

void TestBrowserWindow::enterPassesTheTextAsTyped()
{
    BrowserFixture f;
    QCOMPARE(f.window->Combo1->currentText(), "Enter URL");
    QTest::keyClick(f.window->Combo1, Qt::Key_Return);
    QTest::keyClick(f.window->Combo1, Qt::Key_Enter);
    f.enter(QStringLiteral("  example.com/a b "));
    QCOMPARE(f.control->calls, (QStringList{"Navigate Enter URL", "Navigate Enter URL",
                                            "Navigate   example.com/a b "}));
}

void TestBrowserWindow::addressListStaysSortedWithDuplicates()
{
    BrowserFixture f;
    for (const char* text : {"zeta.com", "Alpha.com", "beta.com", "alpha.com", "zeta.com"})
        f.enter(QLatin1String(text));
    QCOMPARE(f.listed(),
             (QStringList{"Alpha.com", "alpha.com", "beta.com", "zeta.com", "zeta.com"}));
    QCOMPARE(f.window->Combo1->currentText(), "zeta.com");
}

void TestBrowserWindow::textIsSelectedAfterEnter()
{
    BrowserFixture f;
    f.enter(QStringLiteral("b.org"));
    f.enter(QStringLiteral("a.org"));
    QLineEdit* edit = f.window->Combo1->lineEdit();
    QCOMPARE(edit->text(), "a.org");
    QCOMPARE(edit->selectionStart(), 0);
    QCOMPARE(edit->selectedText(), "a.org");
    QTest::keyClicks(f.window->Combo1, QStringLiteral("c.org"));
    QCOMPARE(edit->text(), "c.org");
}

void TestBrowserWindow::unreachableAddressIsReported()
{
    BrowserFixture f;
    f.enter(QStringLiteral("good.org"));
    f.control->unreachable.insert(QStringLiteral("bad place"));
    f.enter(QStringLiteral("bad place"));
    QCOMPARE(f.fakes.messageBox->prompts, QStringList{"Cannot connect to this site or directory"});
    QCOMPARE(f.fakes.messageBox->titles, QStringList{"Brivola 2.0"});
    QCOMPARE(f.listed(), QStringList{"good.org"});
    QCOMPARE(f.window->Combo1->currentText(), "bad place");
}

void TestBrowserWindow::otherKeysDoNothing()
{
    BrowserFixture f;
    f.window->Combo1->setEditText(QString());
    QTest::keyClicks(f.window->Combo1, QStringLiteral("ab"));
    QTest::keyClick(f.window->Combo1, Qt::Key_Escape);
    QTest::keyClick(f.window->Combo1, Qt::Key_Tab);
    QVERIFY(f.control->calls.isEmpty());
    QCOMPARE(f.window->Combo1->count(), 0);
}

void TestBrowserWindow::loadingBarFlickersRed()
{
    BrowserFixture f;
    QCOMPARE(f.window->Timer1->interval(), 200);
    QVERIFY(f.window->Timer1->isActive());
    QCOMPARE(f.window->Line1->color(), kDarkBlue);
    emit f.control->StatusTextChange(QStringLiteral("Loading"));
    QCOMPARE(f.window->Line1->color(), kRed);
    emit f.control->StatusTextChange(QString());
    QCOMPARE(f.window->Line1->color(), kRed);
    f.window->Timer1_Timer();
    QCOMPARE(f.window->Line1->color(), kDarkBlue);
    QVERIFY(f.window->Timer1->isActive());
    emit f.control->StatusTextChange(QStringLiteral("Done"));
    QTRY_COMPARE_WITH_TIMEOUT(f.window->Line1->color(), kDarkBlue, 1000);
}

void TestBrowserWindow::buttons_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<QString>("call");
    QTest::newRow("back") << "Command3"
                          << "Go Backward"
                          << "GoBack";
    QTest::newRow("stop") << "Command1"
                          << "Stop Loading Page"
                          << "Stop";
    QTest::newRow("forward") << "Command2"
                             << "Go Foreward"
                             << "GoForward";
    QTest::newRow("home") << "Command4"
                          << "Go Home"
                          << "GoHome";
    QTest::newRow("reload") << "Command5"
                            << "Reload Page"
                            << "Refresh";
    QTest::newRow("search") << "Command6"
                            << "Search the Web"
                            << "GoSearch";
    QTest::newRow("e-mail") << "Command8"
                            << "Send E-mail"
                            << "Navigate mailto:";
}

void TestBrowserWindow::buttons()
{
    QFETCH(QString, name);
    QFETCH(QString, tooltip);
    QFETCH(QString, call);
    BrowserFixture f;
    auto* button = f.window->findChild<QToolButton*>(name);
    QVERIFY(button);
    QCOMPARE(button->toolTip(), tooltip);
    QVERIFY(!button->icon().isNull());
    button->click();
    QCOMPARE(f.control->calls, QStringList{call});
    QVERIFY(f.fakes.messageBox->prompts.isEmpty());
}

void TestBrowserWindow::backAndForwardWithoutPagesSayNothing()
{
    BrowserFixture f;
    f.control->stopFails = true;
    f.window->Command3->click();
    f.window->Command2->click();
    f.window->Command1->click();
    QCOMPARE(f.control->address, FakeBrowserControl::kHomePage);
    QVERIFY(f.fakes.messageBox->prompts.isEmpty());

    f.enter(QStringLiteral("next.org"));
    f.window->Command3->click();
    QCOMPARE(f.control->address, FakeBrowserControl::kHomePage);
    f.window->Command2->click();
    QCOMPARE(f.control->address, "next.org");
}

void TestBrowserWindow::internetOptionsAndEmail()
{
    BrowserFixture f;
    QCOMPARE(f.window->Command7->toolTip(), "Change IE4 Settings");
    f.window->Command7->click();
    QCOMPARE(f.fakes.shell->opened, QStringList{"Inetcpl.cpl"});
    QVERIFY(f.control->calls.isEmpty());
}

void TestBrowserWindow::pagesNeverOpenNewWindows()
{
    BrowserFixture f;
    QVERIFY(f.control->requestNewWindow());
    QCOMPARE(f.children().size(), 1);
}

void TestBrowserWindow::opensAtThreeQuartersOfTheScreen()
{
    BrowserFixture f;
    // The fake screen is 1024 by 768 pixels.
    QCOMPARE(f.children().first()->size(), QSize(768, 576));
}

void TestBrowserWindow::layout_data()
{
    QTest::addColumn<QSize>("outer");
    QTest::addColumn<QRect>("browser");
    QTest::addColumn<int>("panelLeft");
    // In pixels: 615 twips are 41, 100 are 7 (6.67), 1015 are 68 (67.67), the panel 561.
    QTest::newRow("large") << QSize(800, 600) << QRect(0, 41, 793, 532) << 120;
    QTest::newRow("just room for the panel") << QSize(561, 68) << QRect(0, 41, 554, 0) << 0;
    QTest::newRow("too low for the page") << QSize(600, 50) << QRect(0, 41, 593, 0) << 20;
    QTest::newRow("narrow and low") << QSize(80, 40) << QRect(0, 41, 73, 0) << -241;
}

void TestBrowserWindow::layout()
{
    QFETCH(QSize, outer);
    QFETCH(QRect, browser);
    QFETCH(int, panelLeft);
    BrowserFixture f;
    QMdiSubWindow* child = f.children().first();
    child->setMinimumSize(0, 0);
    child->resize(outer);
    QCOMPARE(child->size(), outer);
    f.window->Form_Resize();
    QCOMPARE(f.control->geometry(), browser);
    QCOMPARE(f.window->Picture2->x(), panelLeft);
}

void TestBrowserWindow::minimisedWindowIsNotLaidOut()
{
    BrowserFixture f;
    QMdiSubWindow* child = f.children().first();
    const QRect before = f.control->geometry();
    child->showMinimized();
    f.window->Form_Resize();
    QCOMPARE(f.control->geometry(), before);
    child->showNormal();
    child->resize(700, 500);
    QCOMPARE(f.control->geometry(), QRect(0, 41, 693, 432));
}

BRIVOLA_TEST_MAIN(TestBrowserWindow)
#include "tst_browser_window.moc"
