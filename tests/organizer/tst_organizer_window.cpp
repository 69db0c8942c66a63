#include "shell/app.h"
#include "browsing/browser_window.h"
#include "organizer/named_list_page.h"
#include "core/named_list_store.h"
#include "organizer/organizer_window.h"
#include "core/stored_count.h"
#include "platform/real/qt_settings_store.h"
#include "shell/main_frame.h"
#include "support/fake_platform.h"
#include "support/test_main.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWindow>

namespace {

// An App over fakes and a real settings file, frame shown; today is April 19, 1998, a Sunday.
struct Fixture {
    QTemporaryDir dir;
    FakePlatform fakes;
    std::unique_ptr<App> app;
    MDIForm1* frame = nullptr;

    Fixture()
    {
        PlatformServices services = fakes.services();
        services.settings = std::make_unique<QtSettingsStore>(dir.path());
        app = std::make_unique<App>(std::move(services));
        frame = &app->mdiForm1();
        frame->show();
    }
    QString file() const { return dir.filePath(kOrganizerApplication + QStringLiteral(".ini")); }
    void writeFile(const QByteArray& bytes) const
    {
        QFile out(file());
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
    }
    // The file as the next start of the program reads it.
    std::unique_ptr<QtSettingsStore> reread() const
    {
        dynamic_cast<QtSettingsStore&>(app->settings()).flush();
        return std::make_unique<QtSettingsStore>(dir.path());
    }
    Calender1* open() const // as the user does; nullptr when it did not open
    {
        frame->Command1->click();
        return app->loadedCalender1();
    }
};

// The sorted "key=value" lines of a section of the organizer's store.
QStringList section(const SettingsStore& store, const QString& name)
{
    QStringList lines;
    for (const auto& [key, value] : store.keyValues(kOrganizerApplication, name))
        lines.append(key + QLatin1Char('=') + value);
    lines.sort();
    return lines;
}

// The indexes of the day buttons written in bold.
QList<int> boldDays(const Calender1& organizer)
{
    QList<int> bold;
    for (int index = 0; index < kDayButtons; ++index)
        if (organizer.Command1[index]->font().bold())
            bold.append(index);
    return bold;
}

void add(NamedListPage* page, const QString& name, const QString& value)
{
    page->nameBox->setText(name);
    page->valueBox->setText(value);
    page->addButton->click();
}

} // namespace

class TestOrganizerWindow : public QObject {
    Q_OBJECT
private slots:
    // Sorted lists follow the user's language; these tests use US English.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void openAndCloseEveryWay_data();
    void openAndCloseEveryWay();
    void storedEntriesComeBackAndAreSavedInOrder();
    void damagedStoreIsLeftAlone_data();
    void damagedStoreIsLeftAlone();
    void calendarPage();
    void namedLists_data();
    void namedLists();
};

void TestOrganizerWindow::openAndCloseEveryWay_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("fromMenu");
    QTest::addColumn<QString>("pasted");
    QTest::newRow("button, Done") << "Done" << false << "";
    QTest::newRow("Tools menu, window manager") << "window manager" << true << "pasted";
    QTest::newRow("button, favourite's double-click") << "favourite" << false << "pasted";
}

void TestOrganizerWindow::openAndCloseEveryWay()
{
    QFETCH(QString, how);
    QFETCH(bool, fromMenu);
    QFETCH(QString, pasted);
    Fixture f;
    fromMenu ? f.frame->mnuOrg->trigger() : f.frame->Command1->click();
    QPointer<Calender1> organizer = f.app->loadedCalender1();
    QVERIFY(organizer && organizer->isVisible() && !f.frame->isEnabled());
    QCOMPARE(organizer->Combo1->currentText(), "April");
    QCOMPARE(organizer->Combo2->currentText(), " 1998");
    QCOMPARE(organizer->Command1[21]->text(), "19");
    QCOMPARE(boldDays(*organizer), QList<int>{21});
    QVERIFY(organizer->Text5->isEnabled());

    QApplication::clipboard()->setText(pasted); // with the mouse: no key pressed afterwards
    organizer->Text5->paste();
    organizer->Command8->click();
    add(organizer->Picture3, "Example", "http://example.com/");
    const auto windows = f.frame->mdiArea->subWindowList().size();
    if (how == "Done") {
        organizer->Command7->click();
    } else if (how == "window manager") {
        organizer->windowHandle()->close();
    } else { // what the window system sends: a click, then a press that is a double-click
        QWidget* list = organizer->List2->viewport();
        organizer->List2->doItemsLayout();
        const QPoint at = organizer->List2->visualItemRect(organizer->List2->item(0)).center();
        QTest::mouseClick(list, Qt::LeftButton, {}, at);
        QTest::mousePress(list, Qt::LeftButton, {}, at);
        QTest::mouseDClick(list, Qt::LeftButton, {}, at);
        QTest::mouseRelease(list, Qt::LeftButton, {}, at);
    }
    QVERIFY(f.frame->isEnabled());
    QTRY_VERIFY(organizer.isNull());
    QVERIFY(!f.app->loadedCalender1());
    QVERIFY(f.fakes.messageBox->prompts.isEmpty());
    // Today's new entry, then the empty one of a fresh store.
    const auto store = f.reread();
    QCOMPARE(section(*store, "Data"),
             (QStringList{"0=4/19/1998", "0A=" + pasted, "1=", "1A=", "Number=2"}));
    QCOMPARE(section(*store, "Phone"), QStringList{"Number=0"});
    QCOMPARE(section(*store, "URL"), (QStringList{"0=Example  ::  http://example.com/", "URLS=1"}));
    QCOMPARE(f.frame->mdiArea->subWindowList().size(), windows + (how == "favourite" ? 1 : 0));
    if (how == "favourite") {
        auto* browser = qobject_cast<MiniBrowse*>(f.frame->activeChild());
        QVERIFY(browser && browser == f.frame->mdiArea->subWindowList().last()->widget());
        QCOMPARE(browser->Combo1->currentText(), "http://example.com/");
        QCOMPARE(f.fakes.browsers->controls().last()->calls,
                 QStringList{"Navigate http://example.com/"});
    }
}

void TestOrganizerWindow::storedEntriesComeBackAndAreSavedInOrder()
{
    Fixture f;
    f.fakes.clock->current = QDateTime(QDate(1998, 4, 9), QTime(9, 0));
    f.writeFile("[Data]\nNumber=2\n0=3/1/1998\n0A=entry A\n1=4/9/1998\n1A=\"entry B,\\nis today\"\n"
                "[Phone]\nNumber=3 entries\n0=\xc3\x89mile  ::  3\n1=zoe  ::  1\n2=Eve  ::  2\n"
                "[URL]\nURLS=many\n0=never read  ::  x\n");
    Calender1& organizer = *f.open();
    QCOMPARE(organizer.agenda.Sch1, (QStringList{"4/9/1998", "3/1/1998"}));
    QCOMPARE(organizer.Text5->toPlainText(), "entry B,\nis today");
    const QString emile = QString::fromUtf8("\xc3\x89mile  ::  3");
    QCOMPARE(organizer.Picture2->entries(), (QStringList{emile, "Eve  ::  2", "zoe  ::  1"}));
    f.fakes.messageBox->answers = {MessageBox::Answer::No, MessageBox::Answer::Yes};
    organizer.cmnClear->click(); // "Clear Appointments", answered No
    QCOMPARE(f.fakes.messageBox->prompts, QStringList{"Are you sure"});
    QCOMPARE(f.fakes.messageBox->titles, QStringList{"Clear the Schedule"});
    QCOMPARE(f.fakes.messageBox->buttonSets.first(), MessageBox::Buttons::YesNo);

    organizer.Command7->click();
    const auto store = f.reread();
    QCOMPARE(section(*store, "Data"), (QStringList{"0=4/9/1998", "0A=entry B,\nis today",
                                                   "1=3/1/1998", "1A=entry A", "Number=2"}));
    QCOMPARE(section(*store, "Phone"),
             (QStringList{"0=" + emile, "1=Eve  ::  2", "2=zoe  ::  1", "Number=3"}));
    QCOMPARE(section(*store, "URL"), (QStringList{"0=never read  ::  x", "URLS=0"}));

    Calender1& again = *f.open();
    again.cmnClear->click();                         // answered Yes
    QVERIFY(section(*f.reread(), "Data").isEmpty()); // at once
    QVERIFY(!again.Text5->isEnabled() && again.Text5->toPlainText().isEmpty() &&
            boldDays(again).isEmpty());
    again.Command7->click();
    QCOMPARE(section(*f.reread(), "Data"), QStringList{"Number=0"});
}

void TestOrganizerWindow::damagedStoreIsLeftAlone_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("named");
    const QByteArray rest("0=4/19/1998\n0A=Dentist\n");
    QTest::newRow("agenda count: letters")
        << "[Data]\nNumber=abc\n" + rest << "\"Number\" in section \"Data\" holds \"abc\"";
    QTest::newRow("agenda count: huge") << "[Data]\nnumber=2000000\n" + rest << "2000000";
    QTest::newRow("phone count: huge")
        << "[Data]\nNumber=1\n" + rest + "[Phone]\nNumber=1000001\n0=Abe  ::  1\n"
        << "\"Number\" in section \"Phone\" holds \"1000001\"";
    QTest::newRow("favourites count: huge")
        << QByteArray("[URL]\nURLS=1e7\n0=Home  ::  http://example.com/\n")
        << "\"URLS\" in section \"URL\" holds \"1e7\"";
}

void TestOrganizerWindow::damagedStoreIsLeftAlone()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, named);
    Fixture f;
    f.writeFile(file);
    QVERIFY(!f.open());
    QCOMPARE(f.fakes.messageBox->prompts.size(), 1);
    const QString message = f.fakes.messageBox->prompts.first();
    QVERIFY2(message.contains(named) && message.contains(f.file()), qPrintable(message));
    QVERIFY(f.frame->isEnabled());
    f.app.reset(); // the store writes whatever it holds
    QFile saved(f.file());
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), file);
    QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files),
             QStringList{kOrganizerApplication + ".ini"});
}

void TestOrganizerWindow::calendarPage()
{
    Fixture f;
    Calender1& organizer = *f.open();
    QVERIFY(QTest::qWaitForWindowActive(&organizer));
    organizer.Command6->click(); // "Print Agenda": nothing from an empty box
    organizer.Text5->insertPlainText(QStringLiteral("today's text"));
    const QStringList dates = organizer.agenda.Sch1;
    organizer.Command1[0]->click();  // empty: before April 1
    organizer.Command1[41]->click(); // empty: after April 30
    QCOMPARE(boldDays(organizer), QList<int>{21});
    QCOMPARE(organizer.Text5->toPlainText(), "today's text");

    // Each change unselects the day; back in this month, today is not marked again.
    for (const auto& [selector, index, firstColumn] : {std::tuple{organizer.Combo2, 2000, 6},
                                                       {organizer.Combo2, 1998, 3},
                                                       {organizer.Combo1, 4, 5}}) {
        selector->setCurrentIndex(index);
        QVERIFY(boldDays(organizer).isEmpty() && !organizer.Text5->isEnabled());
        QCOMPARE(organizer.Text5->toPlainText(), "");
        QCOMPARE(organizer.Command1[firstColumn]->text(), "1");
        QCOMPARE(organizer.agenda.Sch1, dates);
        QCOMPARE(organizer.agenda.Sch2.first(), "today's text");
    }
    organizer.Command6->click(); // nothing from a disabled box
    QVERIFY(f.fakes.printer->fontSizes.isEmpty() && f.fakes.printer->printed.isEmpty());

    organizer.Command1[5 + 8]->click(); // May 9
    QCOMPARE(boldDays(organizer), QList<int>{5 + 8});
    QVERIFY(organizer.Text5->isEnabled() && organizer.Text5->hasFocus());
    QCOMPARE(organizer.Text5->toPlainText(), "");
    QCOMPARE(organizer.agenda.Sch1, (QStringList{"5/9/1998", "4/19/1998", ""}));
    QTest::keyClicks(organizer.Text5, QStringLiteral("Call Abe"));
    organizer.Command6->click();
    QCOMPARE(f.fakes.printer->fontSizes, QList<double>{12});
    QCOMPARE(f.fakes.printer->printed,
             (QList<QStringList>{{"Agenda For: May 9,  1998", "", "Call Abe"}}));
    f.fakes.printer->fails = true;
    organizer.Command6->click();
    QCOMPARE(f.fakes.messageBox->prompts, QStringList{"Printer Error"});
    QCOMPARE(f.fakes.messageBox->titles, QStringList{"Brivola 2.0"});
    QCOMPARE(organizer.agenda.Sch2.first(), "Call Abe");

    organizer.Combo1->setCurrentIndex(3);
    QVERIFY(boldDays(organizer).isEmpty() && !organizer.Text5->isEnabled());
    organizer.Command1[21]->click(); // April 19, twice
    organizer.Command1[21]->click();
    QCOMPARE(organizer.Text5->toPlainText(), "today's text");
    QCOMPARE(organizer.AgendaIndex, 1);
    QCOMPARE(organizer.agenda.Sch1.size(), 3);
    QCOMPARE(boldDays(organizer), QList<int>{21});
    f.fakes.messageBox->answers = {MessageBox::Answer::Yes};
    organizer.cmnClear->click(); // nothing stored yet to delete
    QVERIFY(organizer.agenda.Sch1.isEmpty() && !organizer.Text5->isEnabled());
}

void TestOrganizerWindow::namedLists_data()
{
    QTest::addColumn<bool>("favourites");
    QTest::newRow("phone numbers") << false;
    QTest::newRow("favourites") << true;
}

void TestOrganizerWindow::namedLists()
{
    QFETCH(bool, favourites);
    Fixture f;
    Calender1& organizer = *f.open();
    NamedListPage* page = favourites ? organizer.Picture3 : organizer.Picture2;
    (favourites ? organizer.Command8 : organizer.cmdPhone)->click();
    QVERIFY(page->isVisible() && !organizer.Picture1->isVisible());
    page->removeButton->click(); // empty list
    add(page, "Abe", "");
    add(page, "", "1");
    add(page, "", "");
    for (const auto& [name, value] :
         {std::pair{"Zed", "1"}, {"Abe", "2"}, {"bob", "3"}, {"Abe", "2"}})
        add(page, name, value);
    page->removeButton->click(); // nothing selected
    QCOMPARE(page->entries(),
             (QStringList{"Abe  ::  2", "Abe  ::  2", "bob  ::  3", "Zed  ::  1"}));
    QCOMPARE(f.fakes.messageBox->prompts, QStringList(3, "Both text boxes must be filled!"));
    QCOMPARE(f.fakes.messageBox->titles, QStringList(3, "Brivola 2.0"));
    QCOMPARE(f.fakes.messageBox->buttonSets,
             QList<MessageBox::Buttons>(3, MessageBox::Buttons::Ok));
    page->list->setCurrentRow(0);
    page->removeButton->click();
    organizer.cmdCalender->click();
    QVERIFY(organizer.Picture1->isVisible() && !page->isVisible());

    organizer.Command7->click();
    const NamedListPlace& place = favourites ? kFavouritesPlace : kPhonePlace;
    QCOMPARE(section(f.app->settings(), place.section),
             (QStringList{"0=Abe  ::  2", "1=bob  ::  3", "2=Zed  ::  1", place.countKey + "=3"}));
}

BRIVOLA_TEST_MAIN(TestOrganizerWindow)
#include "tst_organizer_window.moc"
