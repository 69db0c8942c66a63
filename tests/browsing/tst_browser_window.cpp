#include "browsing/address_completion.h"
#include "browsing/browser_window.h"
#include "browsing/find_bar.h"
#include "browsing/history_window.h"
#include "browsing/internet_options_dialog.h"
#include "core/internet_settings.h"
#include "core/shared_texts.h"
#include "support/frame_fixture.h"
#include "support/test_main.h"
#include "widgets/line_shape.h"
#include "widgets/page_note.h"

#include <QComboBox>
#include <QElapsedTimer>
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
        QCOMPARE(f.control->calls.last(), "navigate zeta.com");
        QCOMPARE(f.control->calls[2], "navigate  beta.com "); // exactly as typed
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
        QTest::keyClick(f.window->addressBox, Qt::Key_Down);
        QTest::keyClick(f.window->addressBox, Qt::Key_Down);
        QCOMPARE(f.window->addressBox->currentText(), "https://example.org/");
        // A page moving on while the user picks leaves the pick and the list alone.
        emit f.control->urlChanged("https://elsewhere.test/");
        QCOMPARE(f.window->addressBox->currentText(), "https://example.org/");
        QVERIFY(list->isVisible());
        QTest::keyClick(f.window->addressBox, Qt::Key_Up);
        QTest::keyClick(f.window->addressBox, Qt::Key_Up);
        QCOMPARE(f.window->addressBox->currentText(), "exa");
        QTest::keyClick(f.window->addressBox, Qt::Key_Down);
        QTest::keyClick(f.window->addressBox, Qt::Key_Return);
        QCOMPARE(f.control->calls.last(), "navigate https://example.org/docs");
        QVERIFY(list->isHidden());

        QTest::keyClicks(f.window->addressBox, "oth");
        QVERIFY(list->isVisible());
        QTest::keyClick(f.window->addressBox, Qt::Key_Escape);
        QVERIFY(list->isHidden());
        QVERIFY(f.window->addressBox->currentText().endsWith("oth"));

        // The page's own address, put in the box, offers nothing.
        f.window->addressBox->lineEdit()->setModified(false);
        emit f.control->urlChanged("https://example.org/");
        QCOMPARE(f.window->addressBox->currentText(), "https://example.org/");
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
        QCOMPARE(f.fakes.browsers->controls().last()->calls.last(), "navigate https://b.test/");

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

    // Each button shows its picture and makes its one call; back, forward and stop fail here,
    // silently.
    void buttons()
    {
        BrowserFixture f;
        f.control->stopFails = true;
        for (const char* name : {"backButton", "stopButton", "forwardButton", "homeButton",
                                 "reloadButton", "searchButton", "mailButton", "settingsButton"}) {
            QToolButton* button = f.window->findChild<QToolButton*>(name);
            // Without Qt's SVG plugins the program's own pictures draw nothing.
            QVERIFY2(!button->icon().pixmap(24).isNull(), name);
            button->click();
        }
        QCOMPARE(f.control->calls, (QStringList{"goBack", "stop", "goForward", "goHome", "refresh",
                                                "goSearch", "navigate mailto:"}));
        QCOMPARE(f.fakes.shell->opened, QStringList{"Inetcpl.cpl"}); // Internet options
        QVERIFY(f.fakes.messageBox->prompts.isEmpty());
    }

    // The box shows where the page is, unless the user is typing in it; a password in an
    // address shows nowhere. The kinds of moves are followed on the real engine.
    void addressBoxFollowsThePage()
    {
        BrowserFixture f;
        QLineEdit* edit = f.window->addressBox->lineEdit();
        const auto page = [&f](const char* address) {
            return [&f, address] { f.control->showPage(QLatin1String(address), "t"); };
        };
        const auto type = [&f, edit](const char* text) {
            return [&f, edit, text] {
                edit->setFocus();
                edit->selectAll();
                QTest::keyClicks(edit, QLatin1String(text));
            };
        };
        const struct {
            const char* step;
            std::function<void()> act;
            QString shown;
        } steps[] = {
            {"start page", [] {}, BrowserWindow::kFirstAddressText},
            {"a page", page("http://a.test/1"), "http://a.test/1"},
            {"typing", type("b.test"), "b.test"},
            {"a page while typing", page("http://a.test/5"), "b.test"},
            {"typed and left", [&f] { f.control->setFocus(); }, "b.test"},
            {"a page after leaving", page("http://a.test/6"), "http://a.test/6"},
            {"picked from the list",
             [&f, edit] {
                 edit->setFocus();
                 f.window->addressBox->setEditText("x.test");
                 emit f.window->addressBox->textActivated("x.test");
             },
             "x.test"},
            {"a page after picking", page("http://a.test/7"), "x.test"},
            {"typed a password", type("http://bo:pw@c.test/"), "http://bo:pw@c.test/"},
            {"Enter", [&f] { QTest::keyClick(f.window->addressBox, Qt::Key_Enter); },
             "http://bo@c.test/"},
            {"its page", page("http://bo:pw@c.test/2"), "http://bo@c.test/2"},
        };
        for (const auto& step : steps) {
            step.act();
            QVERIFY2(edit->text() == step.shown, qPrintable(step.step + (": " + edit->text())));
        }
        QVERIFY(edit->hasFocus() && edit->selectedText() == edit->text()); // typing replaces it
        QCOMPARE(f.control->calls.filter("navigate"), QStringList{"navigate http://bo:pw@c.test/"});
        QCOMPARE(f.listed(), QStringList{"http://bo@c.test/"});
    }

    // A window a script opened unasked stays closed, and the window says so for a few seconds.
    void blockedNewWindowIsNoted()
    {
        BrowserFixture f;
        emit f.control->newWindowRequested(QStringLiteral("http://a.test/new"), false);
        QVERIFY(f.control->calls.isEmpty());
        QCOMPARE(f.children().size(), 1);
        QVERIFY(f.window->pageNote->isVisible());
        QCOMPARE(f.window->pageNote->text(), Texts::kWindowBlocked);
        QTRY_VERIFY_WITH_TIMEOUT(!f.window->pageNote->isVisible(), PageNote::kShortWhileMs + 500);
    }

    // A hovered link's address shows in the page's lower-left corner, at most half its width,
    // until the pointer leaves it.
    void hoveredLinkShowsInTheCorner()
    {
        BrowserFixture f;
        PageNote* note = f.window->pageNote;
        emit f.control->linkHovered(QStringLiteral("http://al:pw@a.test/") + QString(500, 'x'));
        QVERIFY(note->isVisible());
        QVERIFY2(note->text().startsWith("http://al@a.test/xx"), qPrintable(note->text()));
        const QRect page = f.control->geometry().intersected(f.window->rect());
        QCOMPARE(note->geometry().bottomLeft(), page.bottomLeft());
        QVERIFY(note->width() <= page.width() / 2);
        emit f.control->linkHovered(QString());
        QVERIFY(!note->isVisible());
    }

    // While a page loads the loading bar is red, flickering; when it has loaded it is dark blue.
    void loadingBarWhileAPageLoads()
    {
        BrowserFixture f;
        const auto colours = [&f](int milliseconds) {
            QSet<QRgb> seen;
            QElapsedTimer clock;
            clock.start();
            while (clock.elapsed() < milliseconds) {
                seen.insert(f.window->loadingBar->color().rgb());
                QTest::qWait(5);
            }
            return seen;
        };
        const QRgb red = qRgb(255, 0, 0);
        const QRgb darkBlue = qRgb(0, 0, 192);
        emit f.control->progressChanged(10, 100);
        QCOMPARE(f.window->loadingBar->color().rgb(), red);
        QTest::qWait(300); // long after the progress came, the bar still flickers
        QCOMPARE(colours(1200), (QSet<QRgb>{red, darkBlue}));
        emit f.control->progressChanged(100, 100);
        QTest::qWait(300);
        QCOMPARE(colours(600), QSet<QRgb>{darkBlue});
    }

    void keys_data()
    {
        QTest::addColumn<bool>("inPage"); // else in the address box
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<double>("zoomBefore");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<double>("zoomAfter");
        const auto row = [](const char* name, bool inPage, QKeyCombination key,
                            const QStringList& calls, double zoomAfter = 1.0,
                            double zoomBefore = 1.0) {
            QTest::newRow(name) << inPage << key << zoomBefore << calls << zoomAfter;
        };
        row("Alt+Left: back", true, Qt::ALT | Qt::Key_Left, {"goBack"});
        row("Alt+Right: forward", false, Qt::ALT | Qt::Key_Right, {"goForward"});
        row("F5: reload", false, Qt::Key_F5, {"refresh"});
        row("Esc in the page: stop", true, Qt::Key_Escape, {"stop"});
        row("Esc in the address box", false, Qt::Key_Escape, {});
        row("Enter stays the address box's", false, Qt::Key_Return, {"navigate Enter URL"});
        row("Ctrl+P: print", true, Qt::CTRL | Qt::Key_P, {"printPage"});
        row("Ctrl+plus", true, Qt::CTRL | Qt::Key_Plus, {}, 1.1);
        row("Ctrl+minus", true, Qt::CTRL | Qt::Key_Minus, {}, 0.9);
        row("Ctrl+0", false, Qt::CTRL | Qt::Key_0, {}, 1.0, 2.5);
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
