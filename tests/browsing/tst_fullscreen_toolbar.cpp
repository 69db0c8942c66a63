#include "browsing/browser_window.h"
#include "platform/twips.h"
#include "support/fullscreen_fixture.h"
#include "support/test_main.h"
#include "widgets/mouse_label.h"
#include "widgets/rectangle_shape.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

namespace {

const QColor kYellow(255, 255, 0);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kDarkRed(192, 0, 0);
const QString kCannotConnect = QStringLiteral("Cannot connect to this site or directory");

QColor textColor(const QWidget* widget)
{
    return widget->palette().color(QPalette::WindowText);
}

QColor restColor(const MouseLabel* label)
{
    const QString name = label->objectName();
    return name == QLatin1String("Label6") || name == QLatin1String("Label11") ? kRed : kYellow;
}

// The pointer moving over a widget with no button held.
void moveOver(QWidget* widget, QPoint at = QPoint(2, 2))
{
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(QPointF(at)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

// The full-screen window shown with its toolbar up.
struct ToolbarFixture : FullScreenFixture {
    Form2& bar = toolbar();
    FakeBrowserControl* browser = control();

    ToolbarFixture()
    {
        window().show();
        window().Picture1_Click();
        browser->calls.clear();
    }

    MouseLabel* label(const QString& name) const { return bar.findChild<MouseLabel*>(name); }

    // The labels not at their rest colour, by name.
    QStringList coloured() const
    {
        QStringList names;
        for (const MouseLabel* each : bar.labels()) {
            if (textColor(each) != restColor(each))
                names.append(each->objectName());
        }
        return names;
    }

    QStringList listed() const
    {
        QStringList items;
        for (int i = 0; i < bar.Combo1->count(); ++i)
            items.append(bar.Combo1->itemText(i));
        return items;
    }

    void enter(const QString& text)
    {
        bar.Combo1->setEditText(text);
        QTest::keyClick(bar.Combo1, Qt::Key_Return);
    }

    void jump(const QString& text)
    {
        bar.Combo1->setEditText(text);
        QTest::mouseClick(bar.Label4, Qt::LeftButton);
    }
};

} // namespace

class TestFullScreenToolbar : public QObject {
    Q_OBJECT
private slots:
    void floatsWithoutFrameOrTaskBarEntry();
    void centredNearTheBottom();
    void hoverColoursOneLabel();
    void backgroundRestoresAllLabels();
    void movingOntoTheAddressBoxKeepsTheHover();
    void pressColoursUntilMovedOrTimed_data();
    void pressColoursUntilMovedOrTimed();
    void miniAndExitHaveNoPressColour();
    void timersStartAtLoadAndStopAtTheirTick();
    void quickLinksAsTyped_data();
    void quickLinksAsTyped();
    void quickLinkWhenTextIsSet();
    void quickLinkAddressesHoldNoKeyword();
    void textChangeRestoresTheLabels();
    void enterNavigatesAndHides();
    void jumpNavigatesAndStays();
    void sameAddressIsListedAgain();
    void refusedAddressIsReported_data();
    void refusedAddressIsReported();
    void otherKeysDoNothing();
    void commands_data();
    void commands();
    void arrowWithoutPageShowsX_data();
    void arrowWithoutPageShowsX();
    void arrowsMoveThroughHistory();
    void qButtonHides();
    void miniMinimisesAndHides();
    void exitReturnsToTheFrame();
};

void TestFullScreenToolbar::floatsWithoutFrameOrTaskBarEntry()
{
    ToolbarFixture f;
    QVERIFY(f.bar.windowFlags().testFlag(Qt::Tool));
    QVERIFY(f.bar.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(f.bar.size(), Twips::toPixels(QSize(8130, 1125)));
    QCOMPARE(f.bar.Shape1->geometry(), Twips::rect(0, 0, 8115, 1095));
    QCOMPARE(f.bar.Shape1->borderColor(), kBlue);
    QCOMPARE(f.bar.Combo1->currentText(), "");
    QVERIFY(f.coloured().isEmpty());
    QCOMPARE(textColor(f.bar.Label4), kYellow);
    QCOMPARE(textColor(f.bar.Label6), kRed);
}

void TestFullScreenToolbar::centredNearTheBottom()
{
    ToolbarFixture f;
    const int left = (1024 - f.bar.width()) / 2;
    QCOMPARE(f.bar.pos(), QPoint(left, Twips::toPixels(11520 - 1400)));
    f.bar.move(0, f.bar.y());
    f.bar.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.bar));
    QCOMPARE(f.bar.x(), left);
}

void TestFullScreenToolbar::hoverColoursOneLabel()
{
    ToolbarFixture f;
    moveOver(f.bar.Label13);
    QCOMPARE(f.coloured(), QStringList{"Label13"});
    QCOMPARE(textColor(f.bar.Label13), kBlue);
    moveOver(f.bar.Label11);
    QCOMPARE(f.coloured(), QStringList{"Label11"});
    QCOMPARE(textColor(f.bar.Label11), kBlue);
}

void TestFullScreenToolbar::backgroundRestoresAllLabels()
{
    ToolbarFixture f;
    moveOver(f.bar.Label6);
    QCOMPARE(f.coloured(), QStringList{"Label6"});
    moveOver(&f.bar, QPoint(5, f.bar.height() - 5)); // over the lamp's frame, onto the window
    QVERIFY(f.coloured().isEmpty());
}

void TestFullScreenToolbar::movingOntoTheAddressBoxKeepsTheHover()
{
    ToolbarFixture f;
    moveOver(f.bar.Label4);
    moveOver(f.bar.Combo1);
    QCOMPARE(f.coloured(), QStringList{"Label4"});
}

void TestFullScreenToolbar::pressColoursUntilMovedOrTimed_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label7", "Label13"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestFullScreenToolbar::pressColoursUntilMovedOrTimed()
{
    QFETCH(QString, name);
    ToolbarFixture f;
    MouseLabel* label = f.label(name);
    f.bar.Timer2_Timer();
    QTest::mousePress(label, Qt::LeftButton);
    QCOMPARE(textColor(label), kDarkRed);
    QVERIFY(f.bar.Timer2->isActive());
    moveOver(label);
    QCOMPARE(textColor(label), kBlue);

    QTest::mousePress(label, Qt::LeftButton);
    QCOMPARE(textColor(label), kDarkRed);
    f.bar.Timer2_Timer();
    QVERIFY(f.coloured().isEmpty());
    QVERIFY(!f.bar.Timer2->isActive());
}

void TestFullScreenToolbar::miniAndExitHaveNoPressColour()
{
    ToolbarFixture f;
    f.bar.Timer2_Timer();
    for (MouseLabel* label : {f.bar.Label6, f.bar.Label11}) {
        QTest::mousePress(label, Qt::LeftButton);
        QCOMPARE(textColor(label), kRed);
    }
    QVERIFY(!f.bar.Timer2->isActive());
}

void TestFullScreenToolbar::timersStartAtLoadAndStopAtTheirTick()
{
    FullScreenFixture f;
    Form2& bar = f.toolbar();
    QCOMPARE(bar.Timer2->interval(), 250);
    QCOMPARE(bar.Timer3->interval(), 1000);
    QVERIFY(bar.Timer2->isActive() && bar.Timer3->isActive());
    bar.Timer2_Timer();
    bar.Timer3_Timer();
    QVERIFY(!bar.Timer2->isActive() && !bar.Timer3->isActive());
    QCOMPARE(bar.Label2->text(), "<");
    QCOMPARE(bar.Label3->text(), ">");
}

void TestFullScreenToolbar::quickLinksAsTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("replacedAt"); // letters typed when the text is replaced; 0 for never
    QTest::addColumn<QString>("address");
    QTest::newRow("sports") << "sports" << 6 << Form2::kSportsSite;
    QTest::newRow("SPORTS") << "SPORTS" << 6 << Form2::kSportsSite;
    QTest::newRow("Sport alone") << "Sport" << 0 << QString();
    QTest::newRow("searching") << "searching" << 6 << Form2::kSearchPortal;
    QTest::newRow("newspaper") << "newspaper" << 4 << Form2::kNewsSite;
    QTest::newRow("nEwS") << "nEwS" << 4 << Form2::kNewsSite;
    QTest::newRow("keyword inside") << "the news" << 0 << QString();
    QTest::newRow("address") << "example.com" << 0 << QString();
}

void TestFullScreenToolbar::quickLinksAsTyped()
{
    QFETCH(QString, typed);
    QFETCH(int, replacedAt);
    QFETCH(QString, address);
    ToolbarFixture f;
    for (int letters = 1; letters <= typed.size(); ++letters) {
        QTest::keyClick(f.bar.Combo1, typed[letters - 1].toLatin1());
        QString expected = typed.left(letters);
        if (replacedAt > 0 && letters >= replacedAt)
            expected = address + typed.mid(replacedAt, letters - replacedAt);
        QCOMPARE(f.bar.Combo1->currentText(), expected);
    }
    QVERIFY(f.browser->calls.isEmpty()); // nothing is navigated until Enter or "Jump!"
}

void TestFullScreenToolbar::quickLinkWhenTextIsSet()
{
    ToolbarFixture f;
    f.bar.Combo1->setEditText(QStringLiteral("Sports tonight"));
    QCOMPARE(f.bar.Combo1->currentText(), Form2::kSportsSite);
}

void TestFullScreenToolbar::quickLinkAddressesHoldNoKeyword()
{
    for (const QString& address : {Form2::kSportsSite, Form2::kSearchPortal, Form2::kNewsSite}) {
        QVERIFY(address.startsWith(QLatin1String("https://")));
        for (const char* keyword : {"Sports", "Search", "News"})
            QVERIFY(!address.startsWith(QLatin1String(keyword), Qt::CaseInsensitive));
    }
}

void TestFullScreenToolbar::textChangeRestoresTheLabels()
{
    ToolbarFixture f;
    moveOver(f.bar.Label7);
    QTest::keyClick(f.bar.Combo1, 'a');
    QVERIFY(f.coloured().isEmpty());
}

void TestFullScreenToolbar::enterNavigatesAndHides()
{
    ToolbarFixture f;
    f.enter(QStringLiteral(" example.com/a b"));
    QCOMPARE(f.browser->calls, QStringList{"Navigate  example.com/a b"});
    QCOMPARE(f.listed(), QStringList{" example.com/a b"});
    QVERIFY(!f.bar.isVisible());
}

void TestFullScreenToolbar::jumpNavigatesAndStays()
{
    ToolbarFixture f;
    f.jump(QStringLiteral("example.org"));
    QCOMPARE(f.browser->calls, QStringList{"Navigate example.org"});
    QCOMPARE(f.listed(), QStringList{"example.org"});
    QVERIFY(f.bar.isVisible());
}

void TestFullScreenToolbar::sameAddressIsListedAgain()
{
    ToolbarFixture f;
    f.jump(QStringLiteral("b.org"));
    f.jump(QStringLiteral("a.org"));
    f.jump(QStringLiteral("b.org"));
    f.bar.show();
    f.enter(QStringLiteral("a.org"));
    QCOMPARE(f.listed(), (QStringList{"b.org", "a.org", "b.org", "a.org"}));
}

void TestFullScreenToolbar::refusedAddressIsReported_data()
{
    QTest::addColumn<bool>("byEnter");
    QTest::newRow("Enter") << true;
    QTest::newRow("Jump!") << false;
}

void TestFullScreenToolbar::refusedAddressIsReported()
{
    QFETCH(bool, byEnter);
    ToolbarFixture f;
    f.jump(QStringLiteral("good.org"));
    f.browser->unreachable.insert(QStringLiteral("bad place"));
    if (byEnter)
        f.enter(QStringLiteral("bad place"));
    else
        f.jump(QStringLiteral("bad place"));
    QCOMPARE(f.fakes.messageBox->prompts, QStringList{kCannotConnect});
    QCOMPARE(f.fakes.messageBox->titles, QStringList{"Brivola 2.0"});
    QCOMPARE(f.listed(), QStringList{"good.org"});
    QCOMPARE(f.bar.Combo1->currentText(), "bad place");
    QVERIFY(f.bar.isVisible());
}

void TestFullScreenToolbar::otherKeysDoNothing()
{
    ToolbarFixture f;
    f.bar.Combo1->setEditText(QStringLiteral("example.com"));
    QTest::keyClick(f.bar.Combo1, Qt::Key_F5);
    QTest::keyClick(f.bar.Combo1, Qt::Key_Escape);
    QVERIFY(f.browser->calls.isEmpty());
    QVERIFY(f.bar.isVisible());
}

void TestFullScreenToolbar::commands_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("call");
    QTest::newRow("Refresh") << "Label1"
                             << "Refresh";
    QTest::newRow("Stop") << "Label5"
                          << "Stop";
    QTest::newRow("Home") << "Label7"
                          << "GoHome";
    QTest::newRow("Search") << "Label13"
                            << "GoSearch";
}

void TestFullScreenToolbar::commands()
{
    QFETCH(QString, name);
    QFETCH(QString, call);
    ToolbarFixture f;
    f.browser->stopFails = true; // a failure here shows nothing
    QTest::mouseClick(f.label(name), Qt::LeftButton);
    QCOMPARE(f.browser->calls, QStringList{call});
    QVERIFY(f.fakes.messageBox->prompts.isEmpty());
    QVERIFY(f.bar.isVisible());
}

void TestFullScreenToolbar::arrowWithoutPageShowsX_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::newRow("<") << "Label2"
                       << "<";
    QTest::newRow(">") << "Label3"
                       << ">";
}

void TestFullScreenToolbar::arrowWithoutPageShowsX()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    ToolbarFixture f;
    MouseLabel* arrow = f.label(name);
    f.bar.Timer3_Timer();
    QTest::mouseClick(arrow, Qt::LeftButton);
    QCOMPARE(arrow->text(), "X");
    QVERIFY(f.bar.Timer3->isActive());
    QVERIFY(f.fakes.messageBox->prompts.isEmpty());
    f.bar.Timer3_Timer();
    QCOMPARE(arrow->text(), caption);
    QVERIFY(!f.bar.Timer3->isActive());

    // Releasing the button over the arrow restores it at once.
    QTest::mouseClick(arrow, Qt::LeftButton);
    QCOMPARE(arrow->text(), "X");
    QTest::mouseRelease(arrow, Qt::LeftButton);
    QCOMPARE(arrow->text(), caption);
}

void TestFullScreenToolbar::arrowsMoveThroughHistory()
{
    ToolbarFixture f;
    f.browser->showPage(QStringLiteral("second"), QStringLiteral("Second"));
    QTest::mouseClick(f.bar.Label2, Qt::LeftButton);
    QCOMPARE(f.browser->address, FakeBrowserControl::kHomePage);
    QTest::mouseClick(f.bar.Label3, Qt::LeftButton);
    QCOMPARE(f.browser->address, "second");
    QCOMPARE(f.browser->calls, (QStringList{"GoBack", "GoForward"}));
    QCOMPARE(f.bar.Label2->text(), "<");
    QCOMPARE(f.bar.Label3->text(), ">");
}

void TestFullScreenToolbar::qButtonHides()
{
    ToolbarFixture f;
    f.bar.Command1->click();
    QVERIFY(!f.bar.isVisible());
    f.bar.Command1_Click();
    QVERIFY(!f.bar.isVisible());
}

void TestFullScreenToolbar::miniMinimisesAndHides()
{
    ToolbarFixture f;
    QTest::mouseClick(f.bar.Label11, Qt::LeftButton);
    QTRY_VERIFY(f.window().isMinimized());
    QVERIFY(!f.bar.isVisible());
    QCOMPARE(f.app.loadedForm1(), &f.window());
    QCOMPARE(f.app.loadedForm2(), &f.bar);
}

void TestFullScreenToolbar::exitReturnsToTheFrame()
{
    ToolbarFixture f;
    f.frame.cmdBrowser_Click();
    const QList<QMdiSubWindow*> children = f.children();
    f.frame.hide();
    QPointer<Form1> window = &f.window();
    QPointer<Form2> bar = &f.bar;
    QTest::mouseClick(f.bar.Label6, Qt::LeftButton);
    QVERIFY(!f.app.loadedForm2());
    QVERIFY(!f.app.loadedForm1());
    QVERIFY(f.frame.isVisible());
    QCOMPARE(f.children(), children);
    QTRY_VERIFY(window.isNull() && bar.isNull());

    // The next full-screen mode starts afresh, with an empty address list.
    f.frame.Command2_Click();
    QCOMPARE(f.toolbar().Combo1->count(), 0);
    QVERIFY(f.window().List2.isEmpty());
}

BRIVOLA_TEST_MAIN(TestFullScreenToolbar)
#include "tst_fullscreen_toolbar.moc"
