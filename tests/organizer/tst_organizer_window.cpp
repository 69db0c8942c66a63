#include "core/shared_texts.h"
#include "organizer/named_list_page.h"
#include "organizer/organizer_window.h"
#include "platform/real/qt_settings_store.h"
#include "support/files.h"
#include "support/frame_fixture.h"
#include "support/test_main.h"
#include "support/windows.h"

#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

// A real settings file in a folder of the test's own; today is April 19, 1998, a Sunday.
struct Fixture {
    QTemporaryDir dir;
    QtSettingsStore real{dir.path()};
    FakeMessageBox messages;
    FakePrinter printer;
    FakeClock clock;
    FakeFrameLink frame;

    std::unique_ptr<OrganizerWindow> open() { return open(real); }
    std::unique_ptr<OrganizerWindow> open(SettingsStore& store)
    {
        return std::make_unique<OrganizerWindow>(store, messages, printer, clock, frame);
    }
    // The sorted "key=value" lines of a section, as the next start of the program reads them.
    QStringList section(const QString& name) const
    {
        QStringList lines;
        for (const auto& [key, value] :
             QtSettingsStore(dir.path()).keyValues(Texts::kOrganizerStore, name))
            lines.append(key + QLatin1Char('=') + value);
        lines.sort();
        return lines;
    }
};

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

    void openAndCloseEveryWay_data()
    {
        QTest::addColumn<QString>("how");
        for (const char* how : {"Done", "favourite", "favourite by Enter"})
            QTest::newRow(how) << QString(how);
    }

    // Opened from the frame, which waits disabled; closing by "Done" (a close like the window
    // manager's) or by a favourite saves everything and gives the frame back; a favourite opens
    // in a new browser window there, by a double-click or by Enter.
    void openAndCloseEveryWay()
    {
        QFETCH(QString, how);
        const QString pasted = how == "Done" ? "" : "pasted"; // an empty entry is saved too
        QTemporaryDir dir;
        FrameFixture f([&dir](PlatformServices& services) {
            services.settings = std::make_unique<QtSettingsStore>(dir.path());
        });
        f.frame->organizerAction->trigger();
        QPointer<OrganizerWindow> organizer = loadedWindow<OrganizerWindow>();
        QVERIFY(organizer && organizer->isVisible() && !f.frame->isEnabled());
        QApplication::clipboard()->setText(pasted); // with the mouse: no key pressed afterwards
        organizer->agendaText->paste();
        add(organizer->favoritesPage, "Example", "http://example.com/");
        if (how == "Done") {
            organizer->doneButton->click();
        } else if (how == "favourite by Enter") {
            organizer->favoritesPage->list->setCurrentRow(0);
            QTest::keyClick(organizer->favoritesPage->list, Qt::Key_Return);
        } else { // what the window system sends: a click, then a press that is a double-click
            QListWidget* list = organizer->favoritesPage->list;
            organizer->favoritesButton->click();
            list->doItemsLayout();
            const QPoint at = list->visualItemRect(list->item(0)).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        }
        QVERIFY(f.frame->isEnabled());
        QTRY_VERIFY(organizer.isNull());
        const QtSettingsStore saved(dir.path());
        QCOMPARE(saved.read(Texts::kOrganizerStore, "Data", "0A", "-"), pasted);
        QCOMPARE(saved.read(Texts::kOrganizerStore, "URL", "0", "-"),
                 "Example  ::  http://example.com/");
        const bool favourite = how != "Done";
        QCOMPARE(f.children().size(), favourite ? 2 : 1);
        QCOMPARE(f.fakes.browsers->controls().last()->calls.last(),
                 QString(favourite ? "navigate http://example.com/" : "goHome"));
    }

    // A file with quoted values and lenient counts (2.5, -1, "3 entries") opens the organizer:
    // entries load in reverse order and sorted, and are saved back in list order.
    void storedEntriesComeBackAndAreSavedInOrder()
    {
        Fixture f;
        f.clock.current = QDateTime(QDate(1998, 4, 9), QTime(9, 0));
        QVERIFY(writeFile(
            f.dir.filePath(Texts::kOrganizerStore + ".ini"),
            "[Data]\nNumber=2.5\n0=3/1/1998\n0A=entry A\n1=4/9/1998\n"
            "1A=\"entry B,\\nis today\"\n[Phone]\nNumber=3 entries\n0=\xc3\x89mile  ::  3\n"
            "1=zoe  ::  1\n2=Eve  ::  2\n[URL]\nURLS=-1\n0=never read  ::  x\n"));
        auto organizer = f.open();
        QCOMPARE(organizer->agenda.dates, (QStringList{"4/9/1998", "3/1/1998"}));
        QCOMPARE(organizer->agendaText->toPlainText(), "entry B,\nis today");
        const QString emile = QString::fromUtf8("\xc3\x89mile  ::  3");
        QCOMPARE(organizer->phonePage->entries(), (QStringList{emile, "Eve  ::  2", "zoe  ::  1"}));
        organizer->clearButton->click(); // "Clear Appointments", answered No
        organizer->close();
        QCOMPARE(f.section("Data"), (QStringList{"0=4/9/1998", "0A=entry B,\nis today",
                                                 "1=3/1/1998", "1A=entry A", "Number=2"}));
        QCOMPARE(f.section("Phone"),
                 (QStringList{"0=" + emile, "1=Eve  ::  2", "2=zoe  ::  1", "Number=3"}));
        QCOMPARE(f.section("URL"), (QStringList{"0=never read  ::  x", "URLS=0"}));

        auto again = f.open();
        f.messages.answers = {MessageBox::Answer::Yes};
        again->clearButton->click();
        QVERIFY(f.section("Data").isEmpty() && !again->agendaText->isEnabled()); // at once
        again->close();
        QCOMPARE(f.section("Data"), QStringList{"Number=0"});
    }

    // Two copies of the program, each with its own organizer over the one file: what either
    // saves is kept by the other's later save, entries removed stay removed, and for a date both
    // typed on, the later save wins.
    void twoCopiesKeepEachOthersEntries()
    {
        Fixture f;
        QtSettingsStore second(f.dir.path());
        QVERIFY(writeFile(f.dir.filePath(Texts::kOrganizerStore + ".ini"),
                          "[Phone]\nNumber=2\n0=Abe  ::  1\n1=Zed  ::  2\n"));
        auto a = f.open();
        auto b = f.open(second); // open all along
        add(a->phonePage, "Alice", "3");
        a->agendaText->setPlainText("A's today");
        a->dayButtons[22]->click(); // April 20
        a->agendaText->setPlainText("A's tomorrow");
        a->close();
        add(b->phonePage, "Bob", "4");
        b->phonePage->list->setCurrentRow(2); // Zed, after Abe and Bob
        b->phonePage->removeButton->click();
        b->dayButtons[22]->click();
        b->agendaText->setPlainText("B's tomorrow");
        b->close();
        QCOMPARE(f.section("Phone"),
                 (QStringList{"0=Abe  ::  1", "1=Alice  ::  3", "2=Bob  ::  4", "Number=3"}));
        QtSettingsStore third(f.dir.path());
        auto c = f.open(third);
        QCOMPARE(c->agendaText->toPlainText(), "A's today");
        c->dayButtons[22]->click();
        QCOMPARE(c->agendaText->toPlainText(), "B's tomorrow");
    }

    // A damaged file copied aside is told once, naming the copy.
    void damagedStoreFileIsToldOnce()
    {
        Fixture f;
        QVERIFY(writeFile(f.dir.filePath(Texts::kOrganizerStore + ".ini"),
                          "[Phone]\nNumber=1\njunk\n0=Abe  ::  1\n"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("a copy was kept as"));
        f.open()->close();
        const QStringList copies = QDir(f.dir.path()).entryList({"*.damaged-*"});
        QCOMPARE(copies.size(), 1);
        QCOMPARE(f.messages.prompts.size(), 1);
        QVERIFY(f.messages.prompts[0].contains(f.dir.filePath(copies[0])));
        f.open()->close();
        QCOMPARE(f.messages.prompts.size(), 1);
    }

    // A store file made read-only is left as it is: the organizer stays open with everything in
    // it, says why and where, and keeps the frame waiting until a save succeeds.
    void unwritableStoreKeepsTheOrganizerOpen()
    {
        Fixture f;
        const QString file = f.dir.filePath(Texts::kOrganizerStore + ".ini");
        QVERIFY(writeFile(file, "[Phone]\nNumber=1\n0=Abe  ::  1\n"));
        QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup));
        const QByteArray before = fileBytes(file);
        auto organizer = f.open();
        organizer->show();
        organizer->agendaText->setPlainText(QStringLiteral("Dentist at 3"));
        organizer->doneButton->click();
        QVERIFY(organizer->isVisible() && !f.frame.enabled);
        QCOMPARE(f.messages.prompts.size(), 1);
        QVERIFY(f.messages.prompts[0].contains(file + ": the file is read-only"));
        QCOMPARE(fileBytes(file), before);
        QCOMPARE(organizer->agendaText->toPlainText(), "Dentist at 3");
        f.frame.asks = false; // ending on a signal: no box, which no one may be there to close
        QVERIFY(!organizer->close());
        QCOMPARE(f.messages.prompts.size(), 1);
        f.frame.asks = true;
        QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner));
        organizer->doneButton->click();
        QVERIFY(!organizer->isVisible() && f.frame.enabled);
        QVERIFY(f.section("Data").contains("0A=Dentist at 3"));
    }

    void dayGridByKeyboard_data()
    {
        // April 1998 starts on a Wednesday: the 1st is button 3, the 30th button 32.
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("to");
        QTest::newRow("next day") << 21 << int(Qt::Key_Right) << 22;
        QTest::newRow("day before, across the week") << 21 << int(Qt::Key_Left) << 20;
        QTest::newRow("week before") << 21 << int(Qt::Key_Up) << 14;
        QTest::newRow("week after") << 21 << int(Qt::Key_Down) << 28;
        QTest::newRow("not before the 1st") << 3 << int(Qt::Key_Left) << 3;
        QTest::newRow("not above the first week") << 4 << int(Qt::Key_Up) << 4;
        QTest::newRow("not after the 30th") << 32 << int(Qt::Key_Right) << 32;
        QTest::newRow("not below the last week") << 28 << int(Qt::Key_Down) << 28;
    }

    // The arrow keys move through the month's days, Tab reaches only the one the arrows left,
    // Space selects it; each day is named by its date for screen readers.
    void dayGridByKeyboard()
    {
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, to);
        Fixture f;
        auto organizer = f.open();
        organizer->show();
        QVERIFY(QTest::qWaitForWindowActive(organizer.get()));
        const auto& days = organizer->dayButtons;
        QCOMPARE(days[21]->accessibleName(), "19 April 1998");
        QCOMPARE(days[0]->accessibleName(), "No day");
        QCOMPARE(days[21]->focusPolicy(), Qt::StrongFocus); // today
        days[from]->setFocus();
        QTest::keyClick(days[from], Qt::Key(key));
        QCOMPARE(QApplication::focusWidget(), days[to]);
        for (QPushButton* day : days)
            QCOMPARE(day->focusPolicy(), day == days[to] ? Qt::StrongFocus : Qt::ClickFocus);
        QTest::keyClick(days[to], Qt::Key_Space);
        QCOMPARE(organizer->selectedDay, days[to]->text());
        QVERIFY(days[to]->font().bold() && organizer->agendaText->hasFocus());
    }

    // Both text boxes must be filled; a remove with nothing selected does nothing, and a remove
    // leaves nothing selected.
    void namedList()
    {
        Fixture f;
        auto organizer = f.open();
        NamedListPage* page = organizer->phonePage;
        organizer->phoneButton->click();
        QVERIFY(page->isVisibleTo(organizer.get()) &&
                !organizer->calendarPage->isVisibleTo(organizer.get()));
        add(page, "Abe", "");
        add(page, "", "1");
        for (const auto& [name, value] :
             {std::pair{"Zed", "1"}, {"Abe", "2"}, {"bob", "3"}, {"Abe", "2"}})
            add(page, name, value);
        page->removeButton->click();
        QCOMPARE(page->entries(),
                 (QStringList{"Abe  ::  2", "Abe  ::  2", "bob  ::  3", "Zed  ::  1"}));
        QCOMPARE(f.messages.prompts, QStringList(2, "Both text boxes must be filled!"));
        page->list->setCurrentRow(0);
        page->removeButton->click();
        page->removeButton->click();
        organizer->close();
        QCOMPARE(f.section("Phone"),
                 (QStringList{"0=Abe  ::  2", "1=bob  ::  3", "2=Zed  ::  1", "Number=3"}));
        QVERIFY(f.frame.enabled);
    }
};

BRIVOLA_TEST_MAIN(TestOrganizerWindow)
#include "tst_organizer_window.moc"
