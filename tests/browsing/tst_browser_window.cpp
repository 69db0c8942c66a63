#include "browsing/address_completion.h"
#include "browsing/browser_window.h"
#include "browsing/find_bar.h"
#include "browsing/history_window.h"
#include "browsing/internet_options_dialog.h"
#include "core/internet_settings.h"
#include "core/shared_texts.h"
#include "support/frame_fixture.h"
#include "support/test_main.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

namespace {

// The frame's first browser window, with its fake control.
struct BrowserFixture : FrameFixture {
    BrowserWindow* window = qobject_cast<BrowserWindow*>(frame->activeChild());
    FakeBrowserControl* control = fakes.browsers->controls().first();

    BrowserFixture()
    {
        control->calls.clear();
        control->setFocusPolicy(Qt::StrongFocus);
        frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame));
    }

    void enter(const QString& text)
    {
        window->addressBox->setEditText(text);
        QTest::keyClick(window->addressBox,
                        Qt::Key_Enter); // the keypad's; the keys table has Return
    }

    QStringList listed() const
    {
        QStringList items;
        for (int i = 0; i < window->addressBox->count(); ++i)
            items.append(window->addressBox->itemText(i));
        return items;
    }
};

} // namespace

class TestBrowserWindow : public QObject {
    Q_OBJECT
private slots:
    void addressBoxNavigatesAndKeepsASortedList()
    {
        BrowserFixture f;
        for (const char* text : {"zeta.com", "Alpha.com", " beta.com ", "alpha.com", "zeta.com"})
            f.enter(QLatin1String(text));
        QCOMPARE(f.control->calls.last(), "Navigate zeta.com");
        QCOMPARE(f.control->calls[2], "Navigate  beta.com "); // exactly as typed
        QCOMPARE(f.listed(),
                 (QStringList{" beta.com ", "Alpha.com", "alpha.com", "zeta.com", "zeta.com"}));

        QLineEdit* edit = f.window->addressBox->lineEdit();
        QCOMPARE(edit->selectedText(), "zeta.com");
        QTest::keyClicks(f.window->addressBox, QStringLiteral("c.org"));
        QCOMPARE(edit->text(), "c.org");

        // An address that cannot be reached is said so over the window, and not listed.
        f.control->unreachable.insert(QStringLiteral("bad.place"));
        f.enter(QStringLiteral("bad.place"));
        QCOMPARE(f.fakes.messageBox->prompts, QStringList{Texts::kCannotConnect});
        QCOMPARE(f.fakes.messageBox->parents.last(), f.window);
        QCOMPARE(f.listed().size(), 5);
        QCOMPARE(f.window->addressBox->currentText(), "bad.place");
    }

    // Typing offers the visited pages it matches, best first; Down puts one in the box, Enter
    // opens it, Up goes back to what was typed, Esc closes the list.
    void addressBoxCompletesFromHistory()
    {
        BrowserFixture f;
        FakeBrowsingMemory& memory = *f.fakes.browsingMemory;
        memory.recordVisit(QUrl("https://example.org/"), "Example");
        memory.recordVisit(QUrl("https://example.org/docs"), "Docs");
        memory.recordVisit(QUrl("https://example.org/docs"), "Docs");
        memory.recordVisit(QUrl("https://other.test/"), "Other");
        AddressCompletion* list = f.window->addressCompletion;
        f.window->focusAddressBox();
        QTest::keyClicks(f.window->addressBox, "exa");
        QVERIFY(list->isVisible());
        QCOMPARE(list->count(), 2);
        QVERIFY(list->item(0)->text().startsWith("https://example.org/docs"));
        QVERIFY(list->geometry().top() >= f.window->addressBox->geometry().bottom());
        QTest::keyClick(f.window->addressBox, Qt::Key_Down);
        QTest::keyClick(f.window->addressBox, Qt::Key_Down);
        QCOMPARE(f.window->addressBox->currentText(), "https://example.org/");
        QTest::keyClick(f.window->addressBox, Qt::Key_Up);
        QTest::keyClick(f.window->addressBox, Qt::Key_Up);
        QCOMPARE(f.window->addressBox->currentText(), "exa");
        QTest::keyClick(f.window->addressBox, Qt::Key_Down);
        QTest::keyClick(f.window->addressBox, Qt::Key_Return);
        QCOMPARE(f.control->calls.last(), "Navigate https://example.org/docs");
        QVERIFY(list->isHidden());

        QTest::keyClicks(f.window->addressBox, "oth");
        QVERIFY(list->isVisible());
        QTest::keyClick(f.window->addressBox, Qt::Key_Escape);
        QVERIFY(list->isHidden());
        QVERIFY(f.window->addressBox->currentText().endsWith("oth"));
        QTest::keyClicks(f.window->addressBox, "zzz");
        QVERIFY(list->isHidden());
    }

    // Visits by day, newest first; the search narrows them; Enter opens one in a new window;
    // Delete and "Clear History" remove them.
    void historyWindow()
    {
        BrowserFixture f;
        FakeBrowsingMemory& memory = *f.fakes.browsingMemory;
        memory.now = QDateTime(QDate(2026, 12, 1), QTime(10, 0)).toSecsSinceEpoch();
        memory.recordVisit(QUrl("https://a.test/"), "Ay");
        memory.now += 24 * 3600;
        memory.recordVisit(QUrl("https://b.test/"), "Bee");
        memory.recordVisit(QUrl("https://c.test/"), "Sea");
        f.frame->historyAction->trigger();
        HistoryWindow* window = f.frame->historyWindow;
        QVERIFY(window->isVisible());
        QTreeWidget* list = window->visitList;
        QCOMPARE(list->topLevelItemCount(), 2);
        QCOMPARE(list->topLevelItem(0)->childCount(), 2);
        QCOMPARE(list->topLevelItem(0)->child(0)->text(2), "https://c.test/");
        QCOMPARE(list->topLevelItem(1)->child(0)->text(1), "Ay");

        window->searchField->setText("bee");
        QCOMPARE(list->topLevelItemCount(), 1);
        QTreeWidgetItem* bee = list->topLevelItem(0)->child(0);
        list->setCurrentItem(bee);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(f.fakes.browsers->controls().last()->calls.last(), "Navigate https://b.test/");

        window->searchField->clear();
        list->setCurrentItem(list->topLevelItem(1)); // the day stands for its visits
        window->deleteButton->click();
        QCOMPARE(memory.visitList.size(), 2);
        QCOMPARE(list->topLevelItemCount(), 1);
        f.fakes.messageBox->answers = {MessageBox::Answer::No, MessageBox::Answer::Yes};
        window->clearButton->click();
        QCOMPARE(memory.visitList.size(), 2);
        window->clearButton->click();
        QVERIFY(memory.visitList.isEmpty());
        QCOMPARE(list->topLevelItemCount(), 0);
    }

    // Each button makes its one call; back, forward and stop fail here, silently. A page never
    // opens a new window.
    void buttons()
    {
        BrowserFixture f;
        f.control->stopFails = true;
        for (const char* name : {"backButton", "stopButton", "forwardButton", "homeButton",
                                 "reloadButton", "searchButton", "mailButton", "settingsButton"})
            f.window->findChild<QToolButton*>(name)->click();
        QCOMPARE(f.control->calls, (QStringList{"GoBack", "Stop", "GoForward", "GoHome", "Refresh",
                                                "GoSearch", "Navigate mailto:"}));
        QCOMPARE(f.fakes.shell->opened, QStringList{"Inetcpl.cpl"}); // Internet options
        QVERIFY(f.fakes.messageBox->prompts.isEmpty());
        QVERIFY(f.control->requestNewWindow());
        QCOMPARE(f.children().size(), 1);
    }

    void keys_data()
    {
        QTest::addColumn<bool>("inPage"); // else in the address box
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<double>("zoomBefore");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<double>("zoomAfter");
        const QStringList none;
        QTest::newRow("Alt+Left: back")
            << true << (Qt::ALT | Qt::Key_Left) << 1.0 << QStringList{"GoBack"} << 1.0;
        QTest::newRow("Alt+Right: forward")
            << false << (Qt::ALT | Qt::Key_Right) << 1.0 << QStringList{"GoForward"} << 1.0;
        QTest::newRow("F5: reload")
            << false << QKeyCombination(Qt::Key_F5) << 1.0 << QStringList{"Refresh"} << 1.0;
        QTest::newRow("Esc in the page: stop")
            << true << QKeyCombination(Qt::Key_Escape) << 1.0 << QStringList{"Stop"} << 1.0;
        QTest::newRow("Esc in the address box")
            << false << QKeyCombination(Qt::Key_Escape) << 1.0 << none << 1.0;
        QTest::newRow("Enter stays the address box's")
            << false << QKeyCombination(Qt::Key_Return) << 1.0 << QStringList{"Navigate Enter URL"}
            << 1.0;
        QTest::newRow("Ctrl+P: print")
            << true << (Qt::CTRL | Qt::Key_P) << 1.0 << QStringList{"printPage"} << 1.0;
        QTest::newRow("Ctrl+plus") << true << (Qt::CTRL | Qt::Key_Plus) << 1.0 << none << 1.1;
        QTest::newRow("Ctrl+minus") << true << (Qt::CTRL | Qt::Key_Minus) << 1.0 << none << 0.9;
        QTest::newRow("Ctrl+0") << false << (Qt::CTRL | Qt::Key_0) << 2.5 << none << 1.0;
    }

    void keys()
    {
        QFETCH(bool, inPage);
        QFETCH(QKeyCombination, key);
        QFETCH(double, zoomBefore);
        QFETCH(QStringList, calls);
        QFETCH(double, zoomAfter);
        BrowserFixture f;
        f.control->zoom = zoomBefore;
        QWidget* target =
            inPage ? static_cast<QWidget*>(f.control) : f.window->addressBox->lineEdit();
        target->setFocus();
        QTest::keyClick(target, key.key(), key.keyboardModifiers());
        QCOMPARE(f.control->calls, calls);
        QCOMPARE(f.control->zoom, zoomAfter);
    }

    void findBarAndPrinting()
    {
        BrowserFixture f;
        FindBar* bar = f.window->findBar;
        f.control->setFocus();
        QTest::keyClick(f.control, Qt::Key_F, Qt::ControlModifier);
        QVERIFY(bar->isVisible() && bar->findText->hasFocus());
        QTest::keyClicks(bar->findText, QStringLiteral("ab"));
        QTest::keyClick(bar->findText, Qt::Key_Return);
        QTest::keyClick(bar->findText, Qt::Key_Enter, Qt::ShiftModifier);
        emit f.control->findResult(2, 5);
        QCOMPARE(bar->matches->text(), "2 of 5");
        QTest::keyClick(bar->findText, Qt::Key_Escape);
        QCOMPARE(f.control->calls, (QStringList{"findText a", "findText ab", "findText ab",
                                                "findText ab backward", "findText "}));
        QVERIFY(!bar->isVisible() && f.control->hasFocus());

        emit f.control->printFinished(true);
        emit f.control->printFinished(false);
        QCOMPARE(f.fakes.messageBox->prompts, QStringList{"The page could not be printed."});
    }

    // The stored addresses show; a text that is no address, or a store that cannot be written,
    // keeps the dialog open with a note that says why; OK stores what was typed; "clear" empties
    // the profile.
    void internetOptions()
    {
        FakeSettingsStore settings;
        FakeBrowserProfile profile;
        FakeBrowsingMemory memory;
        const auto stored = [&settings](const QString& key) {
            return settings.read(Texts::kProgramStore, "Internet Settings", key, "-");
        };
        settings.write(Texts::kProgramStore, "Internet Settings", "Home Page", "http://home.test/");
        memory.kept = {{"https://a.test", "know your location", true},
                       {"https://b.test", "use your camera", false}};
        InternetOptionsDialog dialog(settings, profile, memory);
        QCOMPARE(dialog.keptPermissions->count(), 2);
        QCOMPARE(dialog.keptPermissions->item(1)->text(),
                 "https://b.test may use your camera: Deny");
        dialog.keptPermissions->setCurrentRow(0);
        dialog.findChild<QPushButton*>("forgetPermission")->click();
        QCOMPARE(memory.kept.size(), 1);
        QCOMPARE(dialog.keptPermissions->count(), 1);
        dialog.show();
        auto* home = dialog.findChild<QLineEdit*>("homePage");
        auto* search = dialog.findChild<QLineEdit*>("searchPage");
        QCOMPARE(home->text(), "http://home.test/");
        QCOMPARE(search->text(), InternetSettings::kDefaultSearchPage);
        search->setText("   ");
        dialog.accept();
        QVERIFY(dialog.isVisible() && settings.writes == 1);
        home->setText(" example.org ");
        search->setText("search.test");
        settings.saveFails = true;
        dialog.accept();
        QVERIFY(dialog.isVisible() && stored("Home Page") == "http://home.test/");
        const QString note = dialog.findChild<QLabel*>("note")->text();
        QVERIFY2(note.contains("memory:Brivola") && note.contains("No space left on device"),
                 qPrintable(note));
        settings.saveFails = false;
        dialog.accept();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(stored("Home Page"), "example.org");
        QCOMPARE(stored("Search Page"), "search.test");
        dialog.findChild<QPushButton*>("clearBrowsingData")->click();
        QCOMPARE(profile.clears, 1);
    }
};

BRIVOLA_TEST_MAIN(TestBrowserWindow)
#include "tst_browser_window.moc"
