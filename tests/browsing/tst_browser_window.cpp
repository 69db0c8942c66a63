#include "browsing/browser_window.h"
#include "support/frame_fixture.h"
#include "support/test_main.h"
#include "widgets/line_shape.h"

#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>

namespace {

// The frame's first browser window, with its fake control.
struct BrowserFixture : FrameFixture {
    MiniBrowse* window = qobject_cast<MiniBrowse*>(frame->activeChild());
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
    void enterNavigatesAndKeepsASortedList();
    void unreachableAddressIsReported();
    void loadingBarFlickersRed();
    void buttons_data();
    void buttons();
    void layout_data();
    void layout();
};

void TestBrowserWindow::captionFollowsThePageTitle()
{
    BrowserFixture f;
    QCOMPARE(f.children().first()->windowTitle(), "MDI Browser");
    // The caption is the control's title, whatever text the event carried.
    f.control->title = QStringLiteral("Real title");
    emit f.control->TitleChange(QStringLiteral("event text"));
    QCOMPARE(f.children().first()->windowTitle(), "Real title");
}

void TestBrowserWindow::enterNavigatesAndKeepsASortedList()
{
    BrowserFixture f;
    QTest::keyClick(f.window->Combo1, Qt::Key_Enter);
    QTest::keyClicks(f.window->Combo1, QStringLiteral("x"));
    QTest::keyClick(f.window->Combo1, Qt::Key_Escape);
    QCOMPARE(f.control->calls, QStringList{"Navigate Enter URL"}); // other keys do nothing
    QCOMPARE(f.fakes.messageBox->prompts.size(), 1);               // it is no address

    for (const char* text : {"zeta.com", "Alpha.com", " beta.com ", "alpha.com", "zeta.com"})
        f.enter(QLatin1String(text));
    QCOMPARE(f.control->calls.last(), "Navigate zeta.com");
    QCOMPARE(f.control->calls[3], "Navigate  beta.com "); // exactly as typed
    QCOMPARE(f.listed(),
             (QStringList{" beta.com ", "Alpha.com", "alpha.com", "zeta.com", "zeta.com"}));

    QLineEdit* edit = f.window->Combo1->lineEdit();
    QCOMPARE(edit->selectionStart(), 0);
    QCOMPARE(edit->selectedText(), "zeta.com");
    QTest::keyClicks(f.window->Combo1, QStringLiteral("c.org"));
    QCOMPARE(edit->text(), "c.org");
}

void TestBrowserWindow::unreachableAddressIsReported()
{
    BrowserFixture f;
    f.enter(QStringLiteral("good.org"));
    f.control->unreachable.insert(QStringLiteral("bad.place"));
    f.enter(QStringLiteral("bad.place"));
    QCOMPARE(f.fakes.messageBox->prompts, QStringList{"Cannot connect to this site or directory"});
    QCOMPARE(f.fakes.messageBox->titles, QStringList{"Brivola 2.0"});
    QCOMPARE(f.fakes.messageBox->parents.first(), f.window);
    QCOMPARE(f.listed(), QStringList{"good.org"});
    QCOMPARE(f.window->Combo1->currentText(), "bad.place");
}

void TestBrowserWindow::loadingBarFlickersRed()
{
    BrowserFixture f;
    const QColor red(255, 0, 0);
    const QColor darkBlue(0, 0, 192);
    QCOMPARE(f.window->Line1->color(), darkBlue);
    emit f.control->StatusTextChange(QStringLiteral("Loading"));
    QCOMPARE(f.window->Line1->color(), red);
    QTRY_COMPARE_WITH_TIMEOUT(f.window->Line1->color(), darkBlue, 1000); // its timer's tick
}

void TestBrowserWindow::buttons_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("call");
    QTest::newRow("back") << "Command3"
                          << "GoBack";
    QTest::newRow("stop") << "Command1"
                          << "Stop";
    QTest::newRow("forward") << "Command2"
                             << "GoForward";
    QTest::newRow("home") << "Command4"
                          << "GoHome";
    QTest::newRow("reload") << "Command5"
                            << "Refresh";
    QTest::newRow("search") << "Command6"
                            << "GoSearch";
    QTest::newRow("e-mail") << "Command8"
                            << "Navigate mailto:";
    QTest::newRow("Internet options") << "Command7"
                                      << "";
}

void TestBrowserWindow::buttons()
{
    QFETCH(QString, name);
    QFETCH(QString, call);
    BrowserFixture f;
    f.control->stopFails = true; // back, forward and stop fail here: silently
    f.window->findChild<QToolButton*>(name)->click();
    QCOMPARE(f.control->calls, call.isEmpty() ? QStringList() : QStringList{call});
    QCOMPARE(f.fakes.shell->opened, call.isEmpty() ? QStringList{"Inetcpl.cpl"} : QStringList());
    QVERIFY(f.fakes.messageBox->prompts.isEmpty());
    QVERIFY(f.control->requestNewWindow()); // a page never opens a new window
    QCOMPARE(f.children().size(), 1);
}

void TestBrowserWindow::layout_data()
{
    QTest::addColumn<QSize>("outer");
    QTest::addColumn<QRect>("browser");
    QTest::addColumn<int>("panelLeft");
    // In pixels at 96 dots per inch: the panel is 561 wide and 41 high.
    QTest::newRow("large") << QSize(800, 600) << QRect(0, 41, 793, 532) << 120;
    QTest::newRow("too small for the page") << QSize(80, 40) << QRect(0, 41, 73, 0) << -241;
}

void TestBrowserWindow::layout()
{
    QFETCH(QSize, outer);
    QFETCH(QRect, browser);
    QFETCH(int, panelLeft);
    BrowserFixture f;
    QMdiSubWindow* child = f.children().first();
    QCOMPARE(child->size(), QSize(768, 576)); // three quarters of the 1024 by 768 screen
    child->setMinimumSize(0, 0);
    child->resize(outer);
    QCOMPARE(f.control->geometry(), browser);
    QCOMPARE(f.window->Picture2->x(), panelLeft);

    child->showMinimized(); // nothing is laid out while minimised
    f.window->Form_Resize();
    QCOMPARE(f.control->geometry(), browser);
}

BRIVOLA_TEST_MAIN(TestBrowserWindow)
#include "tst_browser_window.moc"
