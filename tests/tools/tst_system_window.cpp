#include "platform/text_file.h"
#include "support/frame_fixture.h"
#include "support/test_main.h"
#include "tools/system_report.h"
#include "tools/system_window.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace {

// The frame with System Information opened from it, over a machine with known records.
struct SystemFixture : FrameFixture {
    System* window = nullptr;

    SystemFixture()
    {
        fakes.systemInfo->system = {8664, 4, 65536, 140737488355327};
        fakes.systemInfo->memory = {25, 6442450944, 1000000, 33554432, 1048576};
        fakes.systemInfo->power = {1, 8, 60, 0xFFFFFFFF};
        fakes.systemInfo->uptime = 5400000;
        frame.cmdSysInfo->click();
        window = app.loadedSystem();
    }

    // The report as the window's text box holds it, with its line ends as the report's.
    QString shown() const { return TextFile::withCrLf(window->txtSystem->toPlainText()); }

    QString expected() const
    {
        SystemReadings readings{fakes.systemInfo->system, fakes.systemInfo->memory,
                                fakes.systemInfo->power, fakes.systemInfo->uptime};
        const QDateTime now = fakes.clock->current;
        return SystemReport::text(readings, fakes.clock->longDate(now.date()),
                                  fakes.clock->mediumTime(now.time()));
    }
};

} // namespace

class TestSystemWindow : public QObject {
    Q_OBJECT
private slots:
    void opensOverADisabledFrame();
    void menuItemOpensItToo();
    void design();
    void reportOfThisMachine();
    void twoUpdatesGiveOneReport();
    void closingEnablesTheFrame();
    void unloadEnablesTheFrame();
    void printSendsTheReport();
    void printerFailureIsReported();
    void minimisedKeepsTheTextBoxSize();
};

void TestSystemWindow::opensOverADisabledFrame()
{
    SystemFixture f;
    QVERIFY(f.window);
    QVERIFY(f.window->isVisible());
    QVERIFY(!f.frame.isEnabled());
    QVERIFY(f.window->Timer1->isActive());
}

void TestSystemWindow::menuItemOpensItToo()
{
    FrameFixture f;
    f.frame.mnuSysInfo->trigger();
    QVERIFY(f.app.loadedSystem() && f.app.loadedSystem()->isVisible());
    QVERIFY(!f.frame.isEnabled());
}

void TestSystemWindow::design()
{
    SystemFixture f;
    QCOMPARE(f.window->windowTitle(), "System Information");
    QCOMPARE(f.window->Command1->text(), "Update");
    QCOMPARE(f.window->Command2->text(), "Print");
    QVERIFY(f.window->txtSystem->isReadOnly());
    QCOMPARE(f.window->Timer1->interval(), 500);
}

void TestSystemWindow::reportOfThisMachine()
{
    SystemFixture f;
    QCOMPARE(f.shown(), f.expected());
    QVERIFY(f.shown().startsWith("System Information as of: Sunday, April 19, 1998, 3:45 PM\r\n"));
}

void TestSystemWindow::twoUpdatesGiveOneReport()
{
    SystemFixture f;
    f.fakes.systemInfo->uptime = 59000;
    f.fakes.clock->current = QDateTime(QDate(2024, 2, 29), QTime(9, 5));
    f.window->Command1->click();
    f.window->Command1->click();
    QCOMPARE(f.shown(), f.expected());
    QVERIFY(f.shown().contains("running for: 0 Hours 0 Minutes\r\n"));
    QCOMPARE(f.shown().count("System Information as of:"), 1);
}

void TestSystemWindow::closingEnablesTheFrame()
{
    SystemFixture f;
    QPointer<System> window = f.window;
    QVERIFY(window->close()); // as the window manager's close button does
    QVERIFY(f.frame.isEnabled());
    QTRY_VERIFY(window.isNull());
    QVERIFY(!f.app.loadedSystem());
}

void TestSystemWindow::unloadEnablesTheFrame()
{
    SystemFixture f;
    f.app.unload(*f.window);
    QVERIFY(f.frame.isEnabled());
    QVERIFY(!f.app.loadedSystem());
}

void TestSystemWindow::printSendsTheReport()
{
    SystemFixture f;
    f.window->Command2->click();
    QCOMPARE(f.fakes.printer->printed.size(), 1);
    // One print item: the report's line ends start the printed lines.
    QCOMPARE(f.fakes.printer->printed.first().size(), 1);
    QCOMPARE(TextFile::withCrLf(f.fakes.printer->printed.first().first()), f.expected());
    QVERIFY(f.fakes.messageBox->prompts.isEmpty());
}

void TestSystemWindow::printerFailureIsReported()
{
    SystemFixture f;
    f.fakes.printer->fails = true;
    f.window->Command2->click();
    QCOMPARE(f.fakes.messageBox->prompts, QStringList{"Printer Error"});
    QVERIFY(f.fakes.printer->printed.isEmpty());
    QVERIFY(f.window->isVisible());
}

void TestSystemWindow::minimisedKeepsTheTextBoxSize()
{
    SystemFixture f;
    const QSize fitted = f.window->txtSystem->size();
    f.window->txtSystem->resize(10, 10);
    f.window->showMinimized();
    f.window->Form_Resize();
    QCOMPARE(f.window->txtSystem->size(), QSize(10, 10));
    f.window->showNormal();
    f.window->Form_Resize();
    QCOMPARE(f.window->txtSystem->size(), fitted);
}

BRIVOLA_TEST_MAIN(TestSystemWindow)
#include "tst_system_window.moc"
