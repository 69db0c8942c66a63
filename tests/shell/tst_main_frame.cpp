#include "browsing/browser_window.h"
#include "shell/splash_window.h"
#include "support/frame_fixture.h"
#include "support/test_main.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

class TestMainFrame : public QObject {
    Q_OBJECT
private slots:
    void splashHandsOverToTheFrame();
    void browserWindowsAndTheirCount();
    void buttonBarStaysCentred_data();
    void buttonBarStaysCentred();
    void clocks();
    void windowMenuListsEveryChild();
    void tiling_data();
    void tiling();
    void closing();
};

void TestMainFrame::splashHandsOverToTheFrame()
{
    FakePlatform fakes;
    App app(fakes.services());
    QPointer<frmSplash> splash = new frmSplash(app);
    splash->setAttribute(Qt::WA_DeleteOnClose);
    splash->show();
    QVERIFY(!app.loadedMdiForm1());
    // Shortly before the splash ends the frame loads, hidden, with its first page on the way.
    QTRY_VERIFY_WITH_TIMEOUT(app.loadedMdiForm1(), 5000);
    QVERIFY(!app.loadedMdiForm1()->isVisible());
    QCOMPARE(fakes.browsers->controls().first()->calls, QStringList{"GoHome"});

    splash->Timer1_Timer();
    QVERIFY(app.loadedMdiForm1()->isVisible());
    QTRY_VERIFY(splash.isNull());
}

void TestMainFrame::browserWindowsAndTheirCount()
{
    FrameFixture f;
    QCOMPARE(f.children().size(), 1);
    QCOMPARE(f.frame.activeChild()->property("Tag").toString(), "Browser");
    QCOMPARE(f.frame.WindowNums, 1);

    f.frame.cmdBrowser->click();
    f.frame.mnuBrowserItem->trigger();
    QCOMPARE(f.children().size(), 3);
    QCOMPARE(f.frame.activeChild(), f.children().last()->widget());
    for (FakeBrowserControl* control : f.fakes.browsers->controls())
        QCOMPARE(control->calls, QStringList{"GoHome"});

    f.children().first()->close();
    QTRY_COMPARE(f.children().size(), 2);
    f.frame.cmdBrowser->click();
    QCOMPARE(f.frame.WindowNums, 4); // closing a window never lowers the count
}

void TestMainFrame::buttonBarStaysCentred_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("left");
    // The bar is 6975 twips (465 pixels) wide; the frame's outer widths in pixels at 96 dots
    // per inch.
    QTest::newRow("wide") << 1280 << 408;
    QTest::newRow("exactly the bar") << 465 << 0;
    QTest::newRow("odd width") << 800 << 168;
    QTest::newRow("narrower than the bar") << 300 << -83;
}

void TestMainFrame::buttonBarStaysCentred()
{
    QFETCH(int, width);
    QFETCH(int, left);
    FrameFixture f;
    f.frame.setMinimumSize(0, 0);
    const int border = f.frame.frameGeometry().width() - f.frame.width();
    f.frame.resize(width - border, 600);
    QCOMPARE(f.frame.frameGeometry().width(), width);
    QCOMPARE(f.frame.Picture2->x(), left);
}

void TestMainFrame::clocks()
{
    FrameFixture f;
    QCOMPARE(f.frame.windowTitle(), "Brivola 2.0");
    for (int tick = 0; tick < 60; ++tick)
        f.frame.Timer1_Timer();
    QCOMPARE(f.frame.lbltime->text(), "Time Online: 0 Hours 1 Minutes 0 Seconds ");
    f.frame.Timer2_Timer();
    QCOMPARE(f.frame.windowTitle(), "Brivola 2.0 / 3:45:07 PM");
}

void TestMainFrame::windowMenuListsEveryChild()
{
    FrameFixture f;
    f.frame.cmdBrowser->click();
    f.frame.cmdBrowser->click();
    f.children()[1]->widget()->setWindowTitle(QStringLiteral("Second"));
    f.frame.mdiArea->setActiveSubWindow(f.children()[1]);
    const auto listed = [&f] {
        emit f.frame.mnuWindow->aboutToShow();
        const QList<QAction*> items = f.frame.mnuWindow->actions();
        return items.mid(items.indexOf(f.frame.mnuCV) + 2);
    };

    QList<QAction*> items = listed();
    QCOMPARE(items.size(), 3);
    QCOMPARE(items[0]->text(), "&1 MDI Browser");
    QCOMPARE(items[1]->text(), "&2 Second");
    QVERIFY(!items[0]->isChecked() && items[1]->isChecked() && !items[2]->isChecked());
    items[2]->trigger();
    QCOMPARE(f.frame.mdiArea->currentSubWindow(), f.children()[2]);

    f.children()[0]->close();
    QTRY_COMPARE(listed().size(), 2);
}

void TestMainFrame::tiling_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("stacked");
    QTest::newRow("Tile Horizontal") << "mnuCH" << true;
    QTest::newRow("Tile Vertical") << "mnuCV" << false;
}

void TestMainFrame::tiling()
{
    QFETCH(QString, item);
    QFETCH(bool, stacked);
    FrameFixture f;
    f.frame.cmdBrowser->click();
    f.frame.cmdBrowser->click();
    f.children().first()->showMaximized();

    f.frame.findChild<QAction*>(item)->trigger();
    const QRect area = f.frame.mdiArea->viewport()->rect();
    int edge = 0;
    for (QMdiSubWindow* child : f.children()) {
        QVERIFY(!child->isMaximized());
        const QRect g = child->geometry();
        QCOMPARE(stacked ? g.width() : g.height(), stacked ? area.width() : area.height());
        QCOMPARE(stacked ? g.top() : g.left(), edge);
        edge = (stacked ? g.bottom() : g.right()) + 1;
    }
    QCOMPARE(edge, stacked ? area.height() : area.width());
}

void TestMainFrame::closing()
{
    FrameFixture f;
    f.frame.mnuIEItem->trigger();
    QCOMPARE(f.fakes.shell->opened, QStringList{"Inetcpl.cpl"});

    // While the organizer or System Information keeps the frame disabled, it stays.
    f.frame.setEnabled(false);
    f.frame.mnuExitItem->trigger();
    QCOMPARE(f.app.loadedMdiForm1(), &f.frame);

    f.frame.setEnabled(true);
    QPointer<QWidget> child = f.frame.activeChild();
    f.frame.mnuExitItem->trigger();
    QVERIFY(!f.app.loadedMdiForm1());
    QTRY_VERIFY(child.isNull());
}

BRIVOLA_TEST_MAIN(TestMainFrame)
#include "tst_main_frame.moc"
