#include "platform/real/qt_file_dialog.h"
#include "platform/text_file.h"
#include "core/twips.h"
#include "support/frame_fixture.h"
#include "support/test_main.h"
#include "tools/about_box.h"
#include "tools/quick_note.h"
#include "tools/system_window.h"

#include <QDir>
#include <QFileDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

// The report of SystemFixture's machine at the fake clock's time.
const QString kReport = QStringLiteral(
    "System Information as of: Sunday, April 19, 1998, 3:45 PM\r\n\r\n"
    "Windows has been running for: 1 Hours 30 Minutes\r\n\r\n"
    "<-- Processor Information -->\r\nProcessor Type: 586\r\n# Of Processors: 2\r\n"
    "Minimum Application Address: 65536\r\nMaximum Application Address: 2147418111\r\n\r\n"
    "<-- Memory Information -->\r\nMemory Use: 42%\r\n"
    "Total Physical Memory: 32768 Kilobytes\r\nAvailable Physical Memory: 976.5625 Kilobytes\r\n"
    "Total Virtual Memory: 6291456 Kilobytes\r\nAvailable Virtual Memory: 2097024 Kilobytes\r\n"
    "\r\n<-- Power Information -->\r\nAC Power Status:  Status Unknown\r\nBattery Status: \r\n"
    "Percent Of Battery Charge: 255%\r\nTime Left (min): Status Unknown\r\n");

// The frame with System Information opened from it, over a machine with known records.
struct SystemFixture : FrameFixture {
    explicit SystemFixture(bool fromMenu = false)
    {
        fakes.systemInfo->system = {586, 2, 65536, 2147418111};
        fakes.systemInfo->memory = {42, 33554432, 1000000, 6442450944, 2147352576};
        fakes.systemInfo->power = {255, 9, 255, PowerStatusRecord::kUnknownLifeTime};
        fakes.systemInfo->uptime = 90 * 60 * 1000;
        fromMenu ? frame.mnuSysInfo->trigger() : frame.cmdSysInfo->click();
    }

    System& window() const { return *app.loadedSystem(); }
    QString shown() const { return TextFile::withCrLf(window().txtSystem->toPlainText()); }
};

// The frame with a QuickNote opened from its button, and a folder to save in, holding "sub".
struct NoteFixture : FrameFixture {
    QTemporaryDir folder;
    FakeFileDialog& dialog = *fakes.fileDialogs->created.first();
    Form3* note;

    NoteFixture()
    {
        QDir(folder.path()).mkdir(QStringLiteral("sub"));
        frame.cmdQuick->click();
        note = qobject_cast<Form3*>(frame.activeChild());
    }

    void save(Form3& window, const std::optional<QString>& answer)
    {
        dialog.answers.append(answer);
        window.Command1->click();
    }
};

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(absent)");
}

// Runs the answer on the modal dialog once it shows; a dialog the answer leaves open (as a
// failed check does) is then cancelled.
template <class Dialog> void whenShown(const std::function<void(Dialog&)>& answer)
{
    QTimer::singleShot(0, [answer] {
        QPointer<Dialog> dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        answer(*dialog);
        if (dialog && dialog->isVisible())
            dialog->reject();
    });
}

class TestTools : public QObject {
    Q_OBJECT
private slots:
    void systemOpensOverADisabledFrameUntilClosed()
    {
        for (bool fromMenu : {false, true}) {
            SystemFixture f(fromMenu);
            QPointer<System> window = f.app.loadedSystem();
            QVERIFY(window && window->isVisible());
            QVERIFY(!f.frame.isEnabled());
            QVERIFY(window->Timer1->isActive());
            QCOMPARE(f.shown(), kReport);
            QVERIFY(window->close()); // as the window manager's close button does
            QVERIFY(f.frame.isEnabled());
            QTRY_VERIFY(window.isNull());
            QVERIFY(!f.app.loadedSystem());
        }
    }

    // Each "Update" replaces the report with one of the machine and the clock as they are now;
    // "Print" sends the report to the printer, or says "Printer Error".
    void systemUpdatesAndPrintsTheReport()
    {
        SystemFixture f;
        f.fakes.clock->current = QDateTime(QDate(2024, 2, 29), QTime(9, 5));
        const QString now = QString(kReport).replace("Sunday, April 19, 1998, 3:45 PM",
                                                     "Thursday, February 29, 2024, 9:05 AM");
        f.fakes.systemInfo->uptime = 59000;
        f.fakes.systemInfo->power.BatteryLifeTime = 30;
        f.window().Command1->click();
        QCOMPARE(f.shown(), QString(now).replace("1 Hours 30", "0 Hours 0"));
        // Past the 49.7 days a 32-bit count of milliseconds holds.
        f.fakes.systemInfo->uptime = 5184000000;
        f.fakes.systemInfo->power.BatteryLifeTime = 5400;
        f.window().Command1->click();
        QCOMPARE(f.shown(), QString(now)
                                .replace("1 Hours 30", "1440 Hours 0")
                                .replace("(min): Status Unknown", "(min):  90"));

        f.fakes.printer->fails = true;
        f.window().Command2->click();
        QCOMPARE(f.fakes.messageBox->prompts, QStringList{"Printer Error"});
        QVERIFY(f.fakes.printer->printed.isEmpty());
        QVERIFY(f.window().isVisible());
        f.fakes.printer->fails = false;
        f.window().Command2->click();
        // One document of one print item: the report's line ends start the printed lines.
        QCOMPARE(f.fakes.printer->printed,
                 QList<QStringList>{{f.window().txtSystem->toPlainText()}});
        QCOMPARE(f.fakes.messageBox->prompts.size(), 1);
    }

    void noteLayout_data()
    {
        QTest::addColumn<QSize>("size"); // twips, whole pixels at 96 dots per inch
        QTest::addColumn<bool>("laidOut");
        QTest::newRow("just taller than 900") << QSize(3000, 915) << true;
        QTest::newRow("900 high") << QSize(3000, 900) << false;
        QTest::newRow("just wider than 200") << QSize(225, 3000) << true;
        QTest::newRow("200 wide") << QSize(200, 3000) << false;
    }

    void noteLayout()
    {
        QFETCH(QSize, size);
        QFETCH(bool, laidOut);
        NoteFixture f;
        f.note->Text1->move(5, 5); // the text box returns to the corner whatever the size
        QRect text = f.note->Text1->geometry().translated(-5, -5);
        QRect button = f.note->Command1->geometry();
        f.children().last()->resize(Twips::toPixels(size));
        if (laidOut) {
            text.setSize(Twips::toPixels(size - QSize(100, 800)));
            button = QRect(0, text.height(), text.width(), Twips::toPixels(400));
        }
        QCOMPARE(f.note->Text1->geometry(), text);
        QCOMPARE(f.note->Command1->geometry(), button);
    }

    // Saving replaces the file with the text and one more line end; cancelling or giving no
    // name writes nothing; a failure names the file and the reason, and changes nothing.
    void notesSaveThroughTheFramesDialog()
    {
        NoteFixture f;
        const QString path = f.folder.filePath("note.txt");
        const QString sub = f.folder.filePath("sub");
        const QString missing = f.folder.filePath("missing/note.txt");
        f.note->Text1->setPlainText("A first, much longer text");
        f.save(*f.note, path);
        f.note->Text1->clear();
        f.save(*f.note, path);
        QCOMPARE(contents(path), QByteArray("\r\n"));
        f.note->Text1->setPlainText("Buy milk");
        using Answer = std::optional<QString>;
        for (const Answer& answer : {Answer(), Answer(QString()), Answer(sub), Answer(missing)})
            f.save(*f.note, answer);
        QCOMPARE(f.dialog.offered.size(), 6);
        QCOMPARE(contents(path), QByteArray("\r\n"));
        QCOMPARE(QDir(f.folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 (QStringList{"note.txt", "sub"}));
        QCOMPARE(f.note->Text1->toPlainText(), "Buy milk");
        const QStringList& prompts = f.fakes.messageBox->prompts;
        QCOMPARE(prompts.size(), 2);
        QVERIFY(prompts[0].contains(sub) && prompts[0].contains("directory"));
        QVERIFY(prompts[1].contains(missing) && prompts[1].contains("No such file"));
        // A second note, from the menu, shares the frame's dialog, which offers the last name.
        f.frame.mnuQuicknote->trigger();
        auto* second = qobject_cast<Form3*>(f.frame.activeChild());
        QVERIFY(second && second != f.note);
        QCOMPARE(f.children().size(), 3); // the first browser window and two notes
        QCOMPARE(f.frame.WindowNums, 1);
        f.save(*second, std::nullopt);
        QCOMPARE(f.fakes.fileDialogs->created.size(), 1);
        QCOMPARE(f.dialog.offered.last(), missing);
        QCOMPARE(f.dialog.filter, "Text Files (*.txt)|*.txt");
    }

    // The desktop's own dialog lists text files, and offers the name chosen last.
    void realFileDialogFiltersAndRemembers()
    {
        const QString first = QDir::temp().filePath(QStringLiteral("first.txt"));
        QtFileDialog dialog(nullptr);
        dialog.setFilter(Form3::kFilter);
        whenShown<QFileDialog>([&](QFileDialog& shown) {
            QCOMPARE(shown.acceptMode(), QFileDialog::AcceptSave);
            QCOMPARE(shown.nameFilters(), QStringList{"Text Files (*.txt)"});
            shown.selectFile(first);
            QMetaObject::invokeMethod(&shown, "accept"); // "Save"
        });
        dialog.showSave();
        QVERIFY(!dialog.cancelled());
        QString offered;
        whenShown<QFileDialog>(
            [&](QFileDialog& shown) { offered = shown.selectedFiles().value(0); });
        dialog.showSave();
        QCOMPARE(offered, first);
        QVERIFY(dialog.cancelled());
        QCOMPARE(dialog.fileName(), first);
    }

    // Help > "&About" shows the box modally; Enter or Esc closes and unloads it.
    void aboutBoxClosesWithEnterOrEsc()
    {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            FrameFixture f;
            bool closed = false;
            whenShown<frmAbout>([&](frmAbout& box) {
                QTest::keyClick(&box, key);
                closed = !box.isVisible();
            });
            f.frame.mnuAboutItem->trigger(); // returns when the box closes
            QVERIFY2(closed, key == Qt::Key_Return ? "Enter" : "Esc");
            QVERIFY(!f.app.loadedFrmAbout()); // the next one is a fresh box
        }
    }
};

BRIVOLA_TEST_MAIN(TestTools)
#include "tst_tools.moc"
