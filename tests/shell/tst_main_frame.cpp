#include "browsing/browser_window.h"
#include "support/frame_fixture.h"
#include "support/test_main.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

class TestMainFrame : public QObject {
    Q_OBJECT
private slots:
    void startsWithOneBrowserOnTheHomePage();
    void newBrowserCountsEveryOpening();
    void captionsAndAccessKeys_data();
    void captionsAndAccessKeys();
    void buttonBarStaysCentred_data();
    void buttonBarStaysCentred();
    void clocks();
    void windowMenuListsEveryChild();
    void tiling_data();
    void tiling();
    void cascade();
    void exitClosesTheFrameAndItsChildren();
    void disabledFrameTakesNoClose();
    void internetSettingsOpenTheOptions();
};

void TestMainFrame::startsWithOneBrowserOnTheHomePage()
{
    FrameFixture f;
    QCOMPARE(f.children().size(), 1);
    auto* browser = qobject_cast<MiniBrowse*>(f.children().first()->widget());
    QVERIFY(browser);
    QCOMPARE(browser->property("Tag").toString(), "Browser");
    QCOMPARE(f.frame.activeChild(), browser);
    QCOMPARE(f.fakes.browsers->controls().first()->calls, QStringList{"GoHome"});
    QCOMPARE(f.frame.WindowNums, 1);
}

void TestMainFrame::newBrowserCountsEveryOpening()
{
    FrameFixture f;
    f.frame.cmdBrowser->click();
    f.frame.mnuBrowserItem->trigger();
    QCOMPARE(f.children().size(), 3);
    QCOMPARE(f.frame.WindowNums, 3);
    for (FakeBrowserControl* control : f.fakes.browsers->controls())
        QCOMPARE(control->calls, QStringList{"GoHome"});
    QCOMPARE(f.frame.activeChild(), f.children().last()->widget());

    f.children().first()->close();
    f.children().last()->close();
    QTRY_COMPARE(f.children().size(), 1);
    QCOMPARE(f.frame.WindowNums, 3);
    f.frame.cmdBrowser->click();
    QCOMPARE(f.frame.WindowNums, 4);
}

void TestMainFrame::captionsAndAccessKeys_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    const QList<std::pair<const char*, const char*>> items = {
        {"cmdBrowser", "New Browser"},
        {"cmdQuick", "New QuickNote"},
        {"cmdSysInfo", "SystemInfo"},
        {"Command1", "Organizer/Favorites"},
        {"Command2", "Full Screen"},
        {"mnuFileItem", "&File"},
        {"mnuBrowserItem", "&New Browser"},
        {"mnuQuicknote", "New &QuickNote"},
        {"mnuExitItem", "E&xit"},
        {"mnuTools", "&Tools"},
        {"mnuSysInfo", "&System Informaton"},
        {"mnuOrg", "&Organizer and Favorites"},
        {"mnuIEItem", "&Internet Explorer Settings"},
        {"mnuWindow", "&Window"},
        {"mnuFullScreen", "&Full Screen"},
        {"mnuCW", "&Cascade Windows"},
        {"mnuCH", "Tile &Horizontal"},
        {"mnuCV", "Tile &Vertical"},
        {"mnuHelp", "&Help"},
        {"mnuManualItem", "&Manual"},
        {"mnuAboutItem", "&About"},
    };
    for (const auto& [name, caption] : items)
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(caption);
}

void TestMainFrame::captionsAndAccessKeys()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    FrameFixture f;
    QObject* item = f.frame.findChild<QObject*>(name);
    QVERIFY2(item, qPrintable(name));
    if (auto* button = qobject_cast<QPushButton*>(item))
        QCOMPARE(button->text(), caption);
    else if (auto* menu = qobject_cast<QMenu*>(item))
        QCOMPARE(menu->title(), caption);
    else
        QCOMPARE(qobject_cast<QAction*>(item)->text(), caption);
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
    QCOMPARE(f.frame.Timer1->interval(), 990);
    QCOMPARE(f.frame.Timer2->interval(), 1000);
    QVERIFY(f.frame.Timer1->isActive() && f.frame.Timer2->isActive());
    QCOMPARE(f.frame.lbltime->text(), "");
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

    emit f.frame.mnuWindow->aboutToShow();
    QList<QAction*> items = f.frame.mnuWindow->actions();
    QCOMPARE(items.first(), f.frame.mnuFullScreen);
    const QList<QAction*> listed = items.mid(items.indexOf(f.frame.mnuCV) + 2);
    QCOMPARE(listed.size(), 3);
    QCOMPARE(listed[0]->text(), "&1 MDI Browser");
    QCOMPARE(listed[1]->text(), "&2 Second");
    QVERIFY(!listed[0]->isChecked() && listed[1]->isChecked() && !listed[2]->isChecked());

    listed[2]->trigger();
    QCOMPARE(f.frame.mdiArea->currentSubWindow(), f.children()[2]);

    f.children()[0]->close();
    QTRY_COMPARE(f.children().size(), 2);
    emit f.frame.mnuWindow->aboutToShow();
    items = f.frame.mnuWindow->actions();
    QCOMPARE(items.mid(items.indexOf(f.frame.mnuCV) + 2).size(), 2);
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
        if (stacked) {
            QCOMPARE(g.width(), area.width());
            QCOMPARE(g.top(), edge);
            edge = g.bottom() + 1;
        } else {
            QCOMPARE(g.height(), area.height());
            QCOMPARE(g.left(), edge);
            edge = g.right() + 1;
        }
    }
    QCOMPARE(edge, stacked ? area.height() : area.width());
}

void TestMainFrame::cascade()
{
    FrameFixture f;
    f.frame.cmdBrowser->click();
    f.frame.mnuCW->trigger();
    const QPoint first = f.children()[0]->pos();
    const QPoint second = f.children()[1]->pos();
    QVERIFY(second.x() > first.x() && second.y() > first.y());
}

void TestMainFrame::exitClosesTheFrameAndItsChildren()
{
    FrameFixture f;
    QPointer<QWidget> child = f.frame.activeChild();
    f.frame.mnuExitItem->trigger();
    QVERIFY(!f.app.loadedMdiForm1());
    QTRY_VERIFY(child.isNull());
}

void TestMainFrame::disabledFrameTakesNoClose()
{
    FrameFixture f;
    f.frame.setEnabled(false);
    QVERIFY(!f.frame.close());
    QVERIFY(f.frame.isVisible());
    f.frame.setEnabled(true);
    QVERIFY(f.frame.close());
}

void TestMainFrame::internetSettingsOpenTheOptions()
{
    FrameFixture f;
    f.frame.mnuIEItem->trigger();
    QCOMPARE(f.fakes.shell->opened, QStringList{"Inetcpl.cpl"});
}

BRIVOLA_TEST_MAIN(TestMainFrame)
#include "tst_main_frame.moc"
