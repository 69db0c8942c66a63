#include "browsing/browser_window.h"
#include "browsing/downloads_window.h"
#include "browsing/fullscreen_window.h"
#include "core/manual.h"
#include "core/shared_texts.h"
#include "shell/splash_window.h"
#include "support/fake_browser_control.h"
#include "support/files.h"
#include "support/frame_fixture.h"
#include "support/test_main.h"
#include "support/windows.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

class TestMainFrame : public QObject {
    Q_OBJECT
private slots:
    void splashHandsOverToTheFrame_data()
    {
        QTest::addColumn<bool>("startFullScreen");
        QTest::addColumn<bool>("fileRead");
        QTest::newRow("frame") << false << true;
        QTest::newRow("machine starts in full-screen mode") << true << true;
        QTest::newRow("machine's settings unreadable") << false << false;
    }

    // The splash loads the frame, hidden, shortly before it ends, then shows it, or full-screen
    // mode when the machine says so, and goes.
    void splashHandsOverToTheFrame()
    {
        QFETCH(bool, startFullScreen);
        QFETCH(bool, fileRead);
        FakePlatform fakes;
        fakes.machine->settings.startFullScreen = startFullScreen;
        fakes.machine->settings.fileRead = fileRead;
        App app(fakes.services());
        QPointer<SplashWindow> splash = new SplashWindow(app);
        splash->setAttribute(Qt::WA_DeleteOnClose);
        splash->show();
        QVERIFY(!loadedWindow<MainFrame>());
        QTRY_VERIFY_WITH_TIMEOUT(loadedWindow<MainFrame>(), 5000);
        QVERIFY(!loadedWindow<MainFrame>()->isVisible());
        splash->handOver();
        const bool fullScreen = startFullScreen || !fileRead;
        QCOMPARE(loadedWindow<MainFrame>()->isVisible(), !fullScreen);
        QCOMPARE(loadedWindow<FullScreenWindow>() && loadedWindow<FullScreenWindow>()->isVisible(),
                 fullScreen);
        if (fullScreen) { // on its own first page, not the frame's; the frame comes back maximised
            auto* page =
                static_cast<FakeBrowserControl*>(loadedWindow<FullScreenWindow>()->browser);
            QCOMPARE(page->calls, QStringList{"goHome"});
            loadedWindow<FullScreenWindow>()->close();
            QVERIFY(loadedWindow<MainFrame>()->isMaximized());
        }
        QTRY_VERIFY(splash.isNull());
    }

    // Addresses from outside (another start, "--new-window") wait for the frame, then each
    // opens in a new browser window; in full-screen mode the first goes to the full-screen
    // window, where its address rules apply; none opens nothing.
    void addressesFromOutside()
    {
        FakePlatform fakes;
        App app(fakes.services());
        app.openFromOutside({"http://a/", "b.org"});
        QVERIFY(!loadedWindow<MainFrame>());
        MainFrame& frame = app.mainFrame();
        frame.show();
        app.frameShown();
        QList<FakeBrowserControl*> browsers = fakes.browsers->controls();
        QCOMPARE(browsers.size(), 3); // the home page's window first
        QCOMPARE(browsers[1]->calls, QStringList{"navigate http://a/"});
        QCOMPARE(browsers[2]->calls, QStringList{"navigate b.org"});
        app.openFromOutside({});
        QCOMPARE(fakes.browsers->controls().size(), 3);

        frame.enterFullScreen();
        auto* fullScreen = static_cast<FakeBrowserControl*>(app.fullScreenWindow().browser);
        fullScreen->calls.clear();
        app.openFromOutside({"http://c/", "http://d/"});
        app.openFromOutside({"data:text/html,<title>x</title>"});
        QCOMPARE(fullScreen->calls,
                 QStringList({"navigate http://c/", "navigate data:text/html,<title>x</title>"}));
        QCOMPARE(fakes.messageBox->prompts, QStringList{Texts::kCannotConnect});
        QCOMPARE(fakes.browsers->controls().size(), 4); // the full-screen window's only
        QVERIFY(!frame.isVisible());

        // Under a parent's passphrase, full-screen mode takes no address from outside.
        QPointer<FullScreenWindow> first = &app.fullScreenWindow();
        first->close();
        QTRY_VERIFY(first.isNull());
        fakes.machine->settings.passphraseHash = QStringLiteral("set");
        frame.enterFullScreen();
        fullScreen = static_cast<FakeBrowserControl*>(app.fullScreenWindow().browser);
        fullScreen->calls.clear();
        app.openFromOutside({"http://c/"});
        QVERIFY(fullScreen->calls.isEmpty());
        QCOMPARE(fakes.browsers->controls().size(), 4);
    }

    // Exit unloads the frame with its children; the next reference loads a fresh one.
    void globalFrameLoadsAfreshAfterExit()
    {
        FrameFixture f;
        QPointer<MainFrame> first = f.frame;
        f.frame->newBrowserButton->click();
        f.frame->setFrameEnabled(false); // while a window keeps it waiting, it stays
        f.frame->exitAction->trigger();
        QVERIFY(f.frame->isVisible());
        f.frame->setFrameEnabled(true);
        f.frame->exitAction->trigger();
        QTRY_VERIFY(first.isNull());
        QCOMPARE(f.fakes.browsers->controls().size(), 0);
        QCOMPARE(f.app->mainFrame().browsersOpened, 1);
    }

    void windowsTheFrameWaitsFor_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::newRow("organizer") << "organizerAction";
        QTest::newRow("System Information") << "systemInfoAction";
    }

    // They belong to the frame, which the window manager keeps them in front of, and nothing
    // else; they take input while the frame waits, do not stay minimised away from it, and
    // give the frame back however they close.
    void windowsTheFrameWaitsFor()
    {
        QFETCH(QString, opener);
        FrameFixture f;
        f.frame->findChild<QAction*>(opener)->trigger();
        QWidget* window = nullptr;
        for (QWidget* owned : f.frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (owned->isWindow() && owned->isVisible())
                window = owned;
        QVERIFY(window && !f.frame->isEnabled() && window->isEnabled());
        QCOMPARE(window->parentWidget(), f.frame);
        QCOMPARE(window->windowType(), Qt::Dialog);
        const Qt::WindowFlags flags = window->windowFlags();
        QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
        QVERIFY(!flags.testAnyFlags(Qt::WindowStaysOnTopHint | Qt::WindowMinimizeButtonHint |
                                    Qt::WindowMaximizeButtonHint));
        QVERIFY(window->findChildren<QTimer*>().isEmpty()); // nothing raises it now and then
        window->setWindowState(Qt::WindowMinimized); // as a window manager may do all the same
        QTRY_VERIFY(!window->isMinimized());
        const QPointer<QWidget> closed = window;
        QVERIFY(window->close()); // as the window manager's close button does
        QVERIFY(f.frame->isEnabled());
        QTRY_VERIFY(closed.isNull()); // unloaded: the next one is fresh
    }

    void exitAsksAboutWork_data()
    {
        QTest::addColumn<bool>("downloading");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<MessageBox::Answer>>("answers");
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<bool>("exits");
        using A = MessageBox::Answer;
        const QString download = "A download is still running. Exit and cancel it?";
        QTest::newRow("nothing to lose") << false << "" << QList<A>{} << QStringList{} << true;
        QTest::newRow("unsaved note, Cancel")
            << false << "milk" << QList<A>{A::Cancel} << QStringList{"Save changes?"} << false;
        QTest::newRow("running download, No")
            << true << "milk" << QList<A>{A::No} << QStringList{download} << false;
        QTest::newRow("running download, Yes, then the note discarded")
            << true << "milk" << QList<A>{A::Yes, A::Discard}
            << QStringList{download, "Save changes?"} << true;
    }

    // Exit asks before running downloads are cancelled and typed notes are lost; an answer that
    // keeps them leaves every window open. Closing without questions, as a signal does, asks
    // nothing.
    void exitAsksAboutWork()
    {
        QFETCH(bool, downloading);
        QFETCH(QString, typed);
        QFETCH(QList<MessageBox::Answer>, answers);
        QFETCH(QStringList, asked);
        QFETCH(bool, exits);
        FrameFixture f;
        QPointer<MainFrame> frame = f.frame;
        FakeDownload download;
        if (downloading)
            emit f.fakes.browsers->downloadStarted(&download);
        f.frame->newQuickNoteButton->click();
        f.children().last()->findChild<QPlainTextEdit*>()->setPlainText(typed);
        f.fakes.messageBox->answers = answers;
        f.frame->exitAction->trigger();
        QCOMPARE(f.fakes.messageBox->prompts, asked);
        if (exits) {
            QTRY_VERIFY(frame.isNull());
            return;
        }
        QCOMPARE(f.children().size(), 2);
        QCOMPARE(download.now, Download::State::Running);
        f.frame->closeWithoutQuestions();
        QTRY_VERIFY(frame.isNull());
        QCOMPARE(f.fakes.messageBox->prompts, asked);
    }

    // Every new browser window (the button, the menu, Ctrl+N) goes home and counts; the Window
    // menu lists and activates them, telling apart those with the same title.
    void browserWindowsAndTheWindowMenu()
    {
        FrameFixture f;
        f.frame->newBrowserButton->click();
        f.frame->newBrowserAction->trigger();
        f.frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.frame));
        QTest::keyClick(f.frame->mdiArea, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(f.children().size(), 4);
        QCOMPARE(f.frame->activeChild(), f.children().last()->widget());
        for (FakeBrowserControl* control : f.fakes.browsers->controls())
            QCOMPARE(control->calls, QStringList{"goHome"});
        f.frame->internetOptionsAction->trigger(); // Internet options go through the shell
        QCOMPARE(f.fakes.shell->opened, QStringList{"Inetcpl.cpl"});

        for (int i : {0, 2, 3})
            f.children()[i]->widget()->setWindowTitle(QStringLiteral("Long page"));
        f.children()[1]->widget()->setWindowTitle(QStringLiteral("Second"));
        f.frame->mdiArea->setActiveSubWindow(f.children()[1]);
        const auto listed = [&f] {
            emit f.frame->windowMenu->aboutToShow();
            const QList<QAction*> items = f.frame->windowMenu->actions();
            return items.mid(items.indexOf(f.frame->tileVerticalAction) + 2);
        };
        QList<QAction*> items = listed();
        QStringList texts;
        for (const QAction* item : items)
            texts.append(item->text());
        QCOMPARE(texts, (QStringList{"&1 Long page", "&2 Second", "&3 Long page (2)",
                                     "&4 Long page (3)"}));
        QVERIFY(!items[0]->isChecked() && items[1]->isChecked() && !items[2]->isChecked());
        items[2]->trigger();
        QCOMPARE(f.frame->mdiArea->currentSubWindow(), f.children()[2]);
        f.children()[0]->close();
        QTRY_COMPARE(listed().size(), 3);
        QCOMPARE(listed()[0]->text(), "&1 Second");
        f.frame->newBrowserButton->click();
        QCOMPARE(f.frame->browsersOpened, 5); // closing a window never lowers the count
    }

    // In a small frame, a window larger than its area can be scrolled into view, close box
    // and all.
    void areaScrollsToWindowsBeyondIt()
    {
        FrameFixture f;
        f.frame->resize(640, 480);
        QMdiSubWindow* child = f.children().first();
        QVERIFY(child->width() > f.frame->mdiArea->viewport()->width());
        QScrollBar* across = f.frame->mdiArea->horizontalScrollBar();
        QScrollBar* down = f.frame->mdiArea->verticalScrollBar();
        QTRY_VERIFY(across->isVisible() && down->isVisible());
        across->setValue(across->maximum());
        down->setValue(down->maximum());
        QTRY_VERIFY(f.frame->mdiArea->viewport()->rect().contains(child->geometry().bottomRight()));
    }

    // Cascading brings the children back into the area, apart, with the active one in front.
    void cascade()
    {
        FrameFixture f;
        while (f.children().size() < 21) // more than fit before starting again
            f.frame->newBrowserButton->click();
        for (QMdiSubWindow* child : f.children())
            child->move(900, 700);
        QMdiSubWindow* active = f.children()[1];
        f.frame->mdiArea->setActiveSubWindow(active);
        f.frame->cascadeAction->trigger();
        for (QMdiSubWindow* child : f.children())
            QVERIFY(f.frame->mdiArea->viewport()->rect().contains(child->geometry()));
        QVERIFY(f.children()[0]->pos() != f.children()[2]->pos());
        QCOMPARE(f.frame->mdiArea->subWindowList(QMdiArea::StackingOrder).last(), active);
        QCOMPARE(f.frame->mdiArea->currentSubWindow(), active);
    }

    void downloadsWindow_data()
    {
        QTest::addColumn<qint64>("received");
        QTest::addColumn<qint64>("total");
        QTest::addColumn<Download::State>("state");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("progress"); // -1: busy, the size being unknown
        using State = Download::State;
        QTest::newRow("running") << 1536LL << 2048LL << State::Running << "1.50 KiB of 2.00 KiB"
                                 << 750;
        QTest::newRow("size unknown") << 100LL << -1LL << State::Running << "100 bytes" << -1;
        QTest::newRow("finished") << 2048LL << 2048LL << State::Finished << "Done, 2.00 KiB"
                                  << 1000;
        QTest::newRow("failed") << 10LL << -1LL << State::Failed << "Failed: Network error" << 0;
    }

    // Downloads show in the frame's window; their rows follow them and cancel them.
    void downloadsWindow()
    {
        QFETCH(qint64, received);
        QFETCH(qint64, total);
        QFETCH(Download::State, state);
        QFETCH(QString, text);
        QFETCH(int, progress);
        FrameFixture f;
        DownloadsWindow* window = f.frame->downloadsWindow;
        FakeDownload download;
        download.total = total;
        emit f.fakes.browsers->downloadStarted(&download);
        QVERIFY(window->isVisible() && !window->isModal());
        download.progress(received, state, QStringLiteral("Network error"));
        QCOMPARE(window->findChild<QLabel*>("fileName")->text(), "report.pdf");
        QCOMPARE(window->findChild<QLabel*>("bytes")->text(), text);
        const QProgressBar* bar = window->findChild<QProgressBar*>("progress");
        QCOMPARE(bar->maximum() == 0 ? -1 : bar->value() - bar->minimum(), progress);
        auto* cancel = window->findChild<QPushButton*>("cancelDownload");
        QCOMPARE(cancel->isEnabled(), state == Download::State::Running);
        cancel->click();
        QCOMPARE(download.now == Download::State::Cancelled, state == Download::State::Running);
        window->findChild<QPushButton*>("openFolder")->click();
        QVERIFY(window->findChild<QLabel*>("bytes")->text().endsWith("/downloads"));
    }

    // A program in the root folder; in any other, the manual is written as the next test shows.
    void manualInTheRootFolder() { QCOMPARE(Manual::path("/", '/'), "/caching.htm"); }

    void f1WritesTheManualWhereItCan()
    {
        const QString missing = "/nonexistent/bin"; // not writable, even by root
        openTwice(m_program.path(), m_program.filePath("Manual.htm"));
        openTwice(missing, QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
                               "/Manual.htm");
        const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", "/dev/null"); // no data directory either
        openTwice(missing, QString());
        qputenv("XDG_DATA_HOME", dataHome);
    }

private:
    // F1, then the menu item: two browser windows outside "New Browser"'s count, each sent
    // straight to the written file, alone in its folder; with no file, to no page.
    void openTwice(const QString& program, const QString& written)
    {
        FrameFixture f;
        f.fakes.programInfo->directory = program;
        f.frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.frame));
        QTest::keyClick(f.frame, Qt::Key_F1);
        QFile(written).resize(0); // for the second to write again
        f.frame->manualAction->trigger();
        QCOMPARE(f.children().size(), 3);
        QCOMPARE(f.frame->browsersOpened, 1);
        const QStringList calls =
            written.isEmpty() ? QStringList() : QStringList{"navigate " + written};
        QCOMPARE(f.fakes.browsers->controls()[1]->calls, calls);
        QCOMPARE(f.fakes.browsers->controls()[2]->calls, calls);
        QVERIFY(f.fakes.messageBox->prompts.isEmpty());
        if (written.isEmpty())
            return;
        QCOMPARE(fileBytes(written), Manual::text().toUtf8() + "\r\n");
        QCOMPARE(QDir(QFileInfo(written).path()).entryList(QDir::Files), QStringList{"Manual.htm"});
    }

    QTemporaryDir m_program;
};

BRIVOLA_TEST_MAIN(TestMainFrame)
#include "tst_main_frame.moc"
