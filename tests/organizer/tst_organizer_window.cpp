#include "organizer/named_list_page.h"
#include "organizer_fixture.h"
#include "platform/twips.h"
#include "support/test_main.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTimer>
#include <QWindow>

namespace {

const QString kData = QStringLiteral("Data");

// The indexes of the day buttons written in bold.
QList<int> boldDays(const Calender1& organizer)
{
    QList<int> bold;
    for (int index = 0; index < kDayButtons; ++index) {
        if (organizer.Command1[index]->font().bold())
            bold.append(index);
    }
    return bold;
}

// Clicks the day button showing the day of month.
void clickDay(Calender1& organizer, int day)
{
    for (QPushButton* button : organizer.Command1) {
        if (button->text() == QString::number(day)) {
            button->click();
            return;
        }
    }
    QFAIL("no button shows that day");
}

// A store that remembers in which order sections were written, and whether the main frame was
// enabled at the time.
class RecordingStore : public FakeSettingsStore {
public:
    void write(const QString& application, const QString& section, const QString& key,
               const QString& value) override
    {
        FakeSettingsStore::write(application, section, key, value);
        if (sections.isEmpty() || sections.last() != section)
            sections.append(section);
        if (frame && frame->isEnabled())
            frameEnabledWhileSaving = true;
    }

    QStringList sections;
    const QWidget* frame = nullptr;
    bool frameEnabledWhileSaving = false;
};

} // namespace

class TestOrganizerWindow : public QObject {
    Q_OBJECT
private slots:
    void frameButtonAndMenuOpenTheOrganizer_data();
    void frameButtonAndMenuOpenTheOrganizer();
    void startUpSelectsToday();
    void startUpShowsTodaysStoredText();
    void windowDesign();
    void yearSelectorListsEveryYear();
    void monthOrYearChangeUnselects_data();
    void monthOrYearChangeUnselects();
    void dayClickSelectsThatDay();
    void emptyDayClickChangesNothing();
    void pastedTextIsKept();
    void clearAppointments_data();
    void clearAppointments();
    void clearWithoutStoredAgenda();
    void printAgenda();
    void printNothing_data();
    void printNothing();
    void printerError();
    void pageSwitching_data();
    void pageSwitching();
    void everyCloseSavesOnceInOrder_data();
    void everyCloseSavesOnceInOrder();
};

void TestOrganizerWindow::frameButtonAndMenuOpenTheOrganizer_data()
{
    QTest::addColumn<bool>("fromMenu");
    QTest::newRow("Organizer/Favorites button") << false;
    QTest::newRow("Tools menu item") << true;
}

void TestOrganizerWindow::frameButtonAndMenuOpenTheOrganizer()
{
    QFETCH(bool, fromMenu);
    OrganizerFixture f;
    QVERIFY(!f.app->loadedCalender1());
    if (fromMenu)
        f.frame->mnuOrg->trigger();
    else
        f.frame->Command1->click();
    Calender1* organizer = f.app->loadedCalender1();
    QVERIFY(organizer);
    QVERIFY(organizer->isVisible());
    QVERIFY(organizer->isEnabled());
    QVERIFY(!f.frame->isEnabled());
    QVERIFY(f.fakes.messageBox->prompts.isEmpty());

    organizer->Command7->click();
    QVERIFY(f.frame->isEnabled());
    QVERIFY(!f.app->loadedCalender1());
}

void TestOrganizerWindow::startUpSelectsToday()
{
    OrganizerFixture f; // today is April 19, 1998, a Sunday; April 1 was a Wednesday
    Calender1& organizer = *f.open();
    QCOMPARE(organizer.Combo1->currentText(), "April");
    QCOMPARE(organizer.Combo2->currentIndex(), 1998);
    QCOMPARE(organizer.Command1[3]->text(), "1");
    QCOMPARE(organizer.Command1[21]->text(), "19");
    QCOMPARE(organizer.Command1[32]->text(), "30");
    QCOMPARE(organizer.Command1[33]->text(), "");
    QCOMPARE(boldDays(organizer), QList<int>{21});
    QCOMPARE(organizer.SelectedDay, "19");
    QVERIFY(organizer.Text5->isEnabled());
    QCOMPARE(organizer.Text5->toPlainText(), "");
    // The empty entry of a fresh store, behind today's new one.
    QCOMPARE(organizer.agenda.Sch1, (QStringList{"4/19/1998", ""}));
    QCOMPARE(organizer.agenda.Sch2, (QStringList{"", ""}));
    QCOMPARE(organizer.AgendaIndex, 0);
    QVERIFY(!organizer.Loading);
}

void TestOrganizerWindow::startUpShowsTodaysStoredText()
{
    OrganizerFixture f;
    f.fakes.clock->current = QDateTime(QDate(2000, 1, 9), QTime(8, 0));
    f.put(kData, "Number", "3");
    f.put(kData, "0", "1/9/2000");
    f.put(kData, "0A", "Dentist\nat 3");
    f.put(kData, "1", "1/10/2000");
    f.put(kData, "2", "1/9/2000");
    f.put(kData, "2A", "newest entry for the day");
    Calender1& organizer = *f.open();
    QCOMPARE(boldDays(organizer), QList<int>{6 + 8}); // January 2000 starts on a Saturday
    QCOMPARE(organizer.agenda.Sch1, (QStringList{"1/9/2000", "1/10/2000", "1/9/2000"}));
    QCOMPARE(organizer.AgendaIndex, 0);
    QCOMPARE(organizer.Text5->toPlainText(), "newest entry for the day");
}

void TestOrganizerWindow::windowDesign()
{
    OrganizerFixture f;
    Calender1& organizer = *f.open();
    QCOMPARE(organizer.windowTitle(), "Orvane Organizer");
    const Qt::WindowFlags flags = organizer.windowFlags();
    for (const Qt::WindowType button : {Qt::WindowCloseButtonHint, Qt::WindowMinimizeButtonHint,
                                        Qt::WindowMaximizeButtonHint, Qt::WindowSystemMenuHint})
        QVERIFY(!flags.testFlag(button));
    QCOMPARE(organizer.size(), Twips::toPixels(QSize(4680, 4980)));
    QCOMPARE(organizer.minimumSize(), organizer.maximumSize());
    const QStringList headings{"Mon", "Tue", "Wed", "Thur", "Fri", "Sat", "Sun"};
    for (int i = 0; i < 7; ++i)
        QCOMPARE(organizer.Label1[i]->text(), headings[i]);
    QVERIFY(organizer.Label1[6]->x() < organizer.Label1[0]->x()); // Sunday first
    QCOMPARE(organizer.Timer1->interval(), 500);
    QVERIFY(organizer.Timer1->isActive());
}

void TestOrganizerWindow::yearSelectorListsEveryYear()
{
    OrganizerFixture f;
    Calender1& organizer = *f.open();
    QCOMPARE(organizer.Combo2->count(), 3001);
    for (int year = 0; year <= 3000; ++year)
        QCOMPARE(organizer.Combo2->itemText(year), QLatin1Char(' ') + QString::number(year));
}

void TestOrganizerWindow::monthOrYearChangeUnselects_data()
{
    QTest::addColumn<bool>("changeYear");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("firstColumn");
    QTest::newRow("month: February 1998") << false << 1 << 0;
    QTest::newRow("year: April 2000") << true << 2000 << 6;
}

void TestOrganizerWindow::monthOrYearChangeUnselects()
{
    QFETCH(bool, changeYear);
    QFETCH(int, index);
    QFETCH(int, firstColumn);
    OrganizerFixture f;
    Calender1& organizer = *f.open();
    organizer.Text5->insertPlainText(QStringLiteral("typed"));
    const QStringList dates = organizer.agenda.Sch1;

    (changeYear ? organizer.Combo2 : organizer.Combo1)->setCurrentIndex(index);
    QVERIFY(boldDays(organizer).isEmpty());
    QVERIFY(!organizer.Text5->isEnabled());
    QCOMPARE(organizer.Text5->toPlainText(), "");
    QCOMPARE(organizer.Command1[firstColumn]->text(), "1");
    QCOMPARE(organizer.agenda.Sch1, dates);
    QCOMPARE(organizer.agenda.Sch2.first(), "typed");

    // Back to this month: today is not marked again.
    organizer.Combo1->setCurrentIndex(3);
    organizer.Combo2->setCurrentIndex(1998);
    QVERIFY(boldDays(organizer).isEmpty());
    QVERIFY(!organizer.Text5->isEnabled());
}

void TestOrganizerWindow::dayClickSelectsThatDay()
{
    OrganizerFixture f;
    Calender1& organizer = *f.open();
    organizer.show();
    QVERIFY(QTest::qWaitForWindowActive(&organizer));
    organizer.Text5->insertPlainText(QStringLiteral("today's text"));

    organizer.Combo1->setCurrentIndex(4); // May 1998 starts on a Friday
    clickDay(organizer, 9);
    QCOMPARE(boldDays(organizer), QList<int>{5 + 8});
    QCOMPARE(organizer.SelectedDay, "9");
    QVERIFY(organizer.Text5->isEnabled());
    QVERIFY(organizer.Text5->hasFocus());
    QCOMPARE(organizer.Text5->toPlainText(), "");
    QCOMPARE(organizer.agenda.Sch1, (QStringList{"5/9/1998", "4/19/1998", ""}));
    QCOMPARE(organizer.AgendaIndex, 0);

    QTest::keyClicks(organizer.Text5, QStringLiteral("Call Abe"));
    QCOMPARE(organizer.agenda.Sch2.first(), "Call Abe");

    organizer.Combo1->setCurrentIndex(3);
    clickDay(organizer, 19);
    QCOMPARE(organizer.Text5->toPlainText(), "today's text");
    QCOMPARE(organizer.AgendaIndex, 1);
    QCOMPARE(boldDays(organizer), QList<int>{21});

    organizer.Combo1->setCurrentIndex(4);
    clickDay(organizer, 9);
    clickDay(organizer, 9);
    QCOMPARE(organizer.Text5->toPlainText(), "Call Abe");
    QCOMPARE(organizer.agenda.Sch1.size(), 3);
}

void TestOrganizerWindow::emptyDayClickChangesNothing()
{
    OrganizerFixture f;
    Calender1& organizer = *f.open();
    organizer.Text5->insertPlainText(QStringLiteral("kept"));
    const QStringList dates = organizer.agenda.Sch1;
    organizer.Command1[0]->click();  // before April 1
    organizer.Command1[41]->click(); // after April 30
    QCOMPARE(boldDays(organizer), QList<int>{21});
    QCOMPARE(organizer.Text5->toPlainText(), "kept");
    QCOMPARE(organizer.agenda.Sch1, dates);
    QCOMPARE(organizer.SelectedDay, "19");
}

void TestOrganizerWindow::pastedTextIsKept()
{
    OrganizerFixture f;
    Calender1& organizer = *f.open();
    QApplication::clipboard()->setText(QStringLiteral("pasted, no key pressed"));
    organizer.Text5->paste();
    QCOMPARE(organizer.agenda.Sch2.first(), "pasted, no key pressed");
    organizer.Command7->click();
    QCOMPARE(f.stored(kData, "0A"), "pasted, no key pressed");
}

void TestOrganizerWindow::clearAppointments_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes") << true;
    QTest::newRow("No") << false;
}

void TestOrganizerWindow::clearAppointments()
{
    QFETCH(bool, yes);
    OrganizerFixture f;
    f.put(kData, "Number", "1");
    f.put(kData, "0", "4/1/1998");
    f.put(kData, "0A", "stored");
    Calender1& organizer = *f.open();
    organizer.Text5->insertPlainText(QStringLiteral("today"));
    f.fakes.messageBox->answers = {yes ? MessageBox::Answer::Yes : MessageBox::Answer::No};

    organizer.cmnClear->click();
    QCOMPARE(f.fakes.messageBox->prompts, QStringList{"Are you sure"});
    QCOMPARE(f.fakes.messageBox->titles, QStringList{"Clear the Schedule"});
    QCOMPARE(f.fakes.messageBox->buttonSets.first(), MessageBox::Buttons::YesNo);
    if (!yes) {
        QCOMPARE(organizer.agenda.Sch1.size(), 2);
        QCOMPARE(organizer.Text5->toPlainText(), "today");
        QCOMPARE(f.stored(kData, "0A"), "stored");
        return;
    }
    QCOMPARE(f.stored(kData, "0"), "<absent>");
    QVERIFY(organizer.agenda.Sch1.isEmpty() && organizer.agenda.Sch2.isEmpty());
    QVERIFY(!organizer.Text5->isEnabled());
    QCOMPARE(organizer.Text5->toPlainText(), "");
    QVERIFY(boldDays(organizer).isEmpty());
    QCOMPARE(organizer.Command1[21]->text(), "19");

    organizer.Command7->click();
    QCOMPARE(f.stored(kData, "Number"), "0");
    QCOMPARE(f.stored(kData, "0"), "<absent>");
}

void TestOrganizerWindow::clearWithoutStoredAgenda()
{
    OrganizerFixture f;
    Calender1& organizer = *f.open();
    f.fakes.messageBox->answers = {MessageBox::Answer::Yes};
    organizer.cmnClear->click(); // there is no section to delete yet
    QVERIFY(organizer.agenda.Sch1.isEmpty());
    QCOMPARE(f.fakes.messageBox->prompts.size(), 1);

    clickDay(organizer, 2);
    QCOMPARE(organizer.agenda.Sch1, QStringList{"4/2/1998"});
    QVERIFY(organizer.Text5->isEnabled());
}

void TestOrganizerWindow::printAgenda()
{
    OrganizerFixture f;
    Calender1& organizer = *f.open();
    organizer.Text5->insertPlainText(QStringLiteral("Dentist\nat 3"));
    organizer.Command6->click();
    QCOMPARE(f.fakes.printer->fontSizes, QList<double>{12});
    const QStringList expected{"Agenda For: April 19,  1998", "", "Dentist\nat 3"};
    QCOMPARE(f.fakes.printer->printed, QList<QStringList>{expected});
    QVERIFY(f.fakes.messageBox->prompts.isEmpty());

    organizer.Combo1->setCurrentIndex(6);
    clickDay(organizer, 4);
    organizer.Text5->insertPlainText(QStringLiteral("Fireworks"));
    organizer.Command6->click();
    QCOMPARE(f.fakes.printer->printed.last().first(), "Agenda For: July 4,  1998");
}

void TestOrganizerWindow::printNothing_data()
{
    QTest::addColumn<bool>("unselect");
    QTest::newRow("empty box") << false;
    QTest::newRow("disabled box") << true;
}

void TestOrganizerWindow::printNothing()
{
    QFETCH(bool, unselect);
    OrganizerFixture f;
    Calender1& organizer = *f.open();
    if (unselect) {
        organizer.Text5->insertPlainText(QStringLiteral("text"));
        organizer.Combo2->setCurrentIndex(1999);
    }
    organizer.Command6->click();
    QVERIFY(f.fakes.printer->fontSizes.isEmpty());
    QVERIFY(f.fakes.printer->printed.isEmpty());
    QVERIFY(f.fakes.messageBox->prompts.isEmpty());
}

void TestOrganizerWindow::printerError()
{
    OrganizerFixture f;
    Calender1& organizer = *f.open();
    organizer.Text5->insertPlainText(QStringLiteral("text"));
    f.fakes.printer->fails = true;
    organizer.Command6->click();
    QCOMPARE(f.fakes.messageBox->prompts, QStringList{"Printer Error"});
    QCOMPARE(f.fakes.messageBox->titles, QStringList{"Brivola 2.0"});
    QCOMPARE(organizer.agenda.Sch2.first(), "text");
}

void TestOrganizerWindow::pageSwitching_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("page");
    QTest::newRow("Phone Numbers") << "cmdPhone"
                                   << "Picture2";
    QTest::newRow("Internet Favorites") << "Command8"
                                        << "Picture3";
    QTest::newRow("Calender") << "cmdCalender"
                              << "Picture1";
}

void TestOrganizerWindow::pageSwitching()
{
    QFETCH(QString, button);
    QFETCH(QString, page);
    OrganizerFixture f;
    Calender1& organizer = *f.open();
    QVERIFY(organizer.Picture1->isVisible());
    QVERIFY(!organizer.Picture2->isVisible() && !organizer.Picture3->isVisible());
    organizer.Text5->insertPlainText(QStringLiteral("kept"));

    organizer.Command8->click();
    organizer.findChild<QPushButton*>(button)->click();
    for (QWidget* each : {organizer.Picture1, static_cast<QWidget*>(organizer.Picture2),
                          static_cast<QWidget*>(organizer.Picture3)})
        QCOMPARE(each->isVisible(), each->objectName() == page);
    QVERIFY(organizer.Command7->isVisible());
    QCOMPARE(organizer.Text5->toPlainText(), "kept");
    QCOMPARE(boldDays(organizer), QList<int>{21});
}

void TestOrganizerWindow::everyCloseSavesOnceInOrder_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Done") << "Done";
    QTest::newRow("window manager") << "window manager";
    QTest::newRow("favourite's double-click") << "favourite";
}

void TestOrganizerWindow::everyCloseSavesOnceInOrder()
{
    QFETCH(QString, how);
    auto store = std::make_unique<RecordingStore>();
    RecordingStore& recording = *store;
    OrganizerFixture f(std::move(store));
    recording.frame = f.frame;
    f.put("URL", "URLS", "1");
    f.put("URL", "0", "Home  ::  http://example.com/");
    recording.sections.clear();
    recording.writes = 0;
    recording.frameEnabledWhileSaving = false;

    QPointer<Calender1> organizer = f.open();
    organizer->Command8->click();
    if (how == "Done") {
        organizer->Command7->click();
    } else if (how == "window manager") {
        organizer->windowHandle()->close();
    } else {
        OrganizerFixture::doubleClick(organizer->List2, 0);
    }
    QCOMPARE(recording.sections, (QStringList{"Data", "Phone", "URL"}));
    QVERIFY(!recording.frameEnabledWhileSaving);
    QVERIFY(f.frame->isEnabled());
    // Agenda: count, date and text of today and of the fresh store's empty entry; then the
    // phone count; then the favourites' count and entry.
    QCOMPARE(recording.writes, 5 + 1 + 2);
    QTRY_VERIFY(organizer.isNull());
    QVERIFY(!f.app->loadedCalender1());
    QCOMPARE(recording.writes, 8);
}

BRIVOLA_TEST_MAIN(TestOrganizerWindow)
#include "tst_organizer_window.moc"
