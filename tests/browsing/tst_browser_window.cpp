#include "browsing/browser_window.h"
#include "browsing/find_bar.h"
#include "browsing/internet_options_dialog.h"
#include "core/internet_settings.h"
#include "core/shared_texts.h"
#include "support/frame_fixture.h"
#include "support/test_main.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

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

    // Each button shows its picture and makes its one call; back, forward and stop fail here,
    // silently. A page never opens a new window.
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
        const auto stored = [&settings](const QString& key) {
            return settings.read(Texts::kProgramStore, "Internet Settings", key, "-");
        };
        settings.write(Texts::kProgramStore, "Internet Settings", "Home Page", "http://home.test/");
        InternetOptionsDialog dialog(settings, profile);
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
