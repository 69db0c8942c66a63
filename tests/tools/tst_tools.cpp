#include "support/files.h"
#include "support/frame_fixture.h"
#include "support/test_main.h"
#include "support/windows.h"
#include "tools/about_box.h"
#include "tools/quick_note_window.h"
#include "tools/system_info_window.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

namespace {

// The report of the machine below at the fake clock's time, as the text box holds it.
const QString kReport = QStringLiteral(
    "System Information as of: Sunday, April 19, 1998, 3:45 PM\n\n"
    "Windows has been running for: 1 Hours 30 Minutes\n\n"
    "<-- Processor Information -->\nProcessor Type: 586\n# Of Processors: 2\n"
    "Minimum Application Address: 65536\nMaximum Application Address: 2147418111\n\n"
    "<-- Memory Information -->\nMemory Use: 42%\n"
    "Total Physical Memory: 32768 Kilobytes\nAvailable Physical Memory: 976.5625 Kilobytes\n"
    "Total Virtual Memory: 6291456 Kilobytes\nAvailable Virtual Memory: 2097024 Kilobytes\n"
    "\n<-- Power Information -->\nAC Power Status:  Status Unknown\nBattery Status: \n"
    "Percent Of Battery Charge: 255%\nTime Left (min): Status Unknown\n");

} // namespace

class TestTools : public QObject {
    Q_OBJECT
private slots:
    // "Update" shows the report of the machine and the clock; "Print" sends it to the printer,
    // or says "Printer Error".
    void systemReportsAndPrints()
    {
        FakeSystemInfo machine;
        machine.system = {586, 2, 65536, 2147418111};
        machine.memory = {42, 33554432, 1000000, 6442450944, 2147352576};
        machine.power = {255, 9, 255, PowerStatusRecord::kUnknownLifeTime};
        machine.uptime = 90 * 60 * 1000;
        FakeClock clock;
        FakePrinter printer;
        FakeMessageBox messages;
        FakeFrameLink frame;
        SystemInfoWindow window(machine, clock, printer, messages, frame);
        window.updateButton->click();
        QCOMPARE(window.report->toPlainText(), kReport);
        printer.fails = true;
        window.printButton->click();
        QCOMPARE(messages.prompts, QStringList{"Printer Error"});
        QCOMPARE(messages.parents.first(), &window);
        printer.fails = false;
        window.printButton->click();
        // One document of one print item: the report's line ends start the printed lines.
        QCOMPARE(printer.printed, QList<QStringList>{{kReport}});
        QCOMPARE(messages.prompts.size(), 1);
    }

    // Saving replaces the file with the text and one more line end; cancelling or giving no
    // name writes nothing; a failure names the file and the reason, and changes nothing.
    void noteSavesThroughTheFramesDialog()
    {
        QTemporaryDir folder;
        FakeFrameLink frame;
        FakeMessageBox messages;
        QuickNoteWindow note(frame, messages);
        const auto save = [&](const std::optional<QString>& answer) {
            frame.dialog.answers.append(answer);
            note.saveButton->click();
        };
        const QString path = folder.filePath("note.txt");
        const QString missing = folder.filePath("missing/note.txt");
        note.noteText->setPlainText("Buy milk\nand bread");
        save(path);
        const QByteArray first("Buy milk\r\nand bread\r\n");
        QCOMPARE(fileBytes(path), first);
        note.noteText->clear();
        using Answer = std::optional<QString>;
        for (const Answer& answer : {Answer(), Answer(QString()), Answer(missing)})
            save(answer);
        QCOMPARE(fileBytes(path), first);
        QCOMPARE(messages.prompts.size(), 1);
        QVERIFY(messages.prompts[0].contains(missing) &&
                messages.prompts[0].contains("No such file"));
        save(path);
        QCOMPARE(fileBytes(path), "\r\n");
    }

    void noteAsksBeforeUnsavedTextGoes_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("savedFirst");
        QTest::addColumn<QList<MessageBox::Answer>>("answers");
        QTest::addColumn<QList<std::optional<QString>>>("names"); // the save dialog's answers
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QByteArray>("file"); // what the chosen file then holds
        using A = MessageBox::Answer;
        using Names = QList<std::optional<QString>>;
        const QString name = "note.txt";
        QTest::newRow("nothing typed")
            << "" << false << QList<A>{} << Names{} << true << QByteArray();
        QTest::newRow("saved already")
            << "milk" << true << QList<A>{} << Names{name} << true << QByteArray("milk\r\n");
        QTest::newRow("Cancel") << "milk" << false << QList<A>{A::Cancel} << Names{} << false
                                << QByteArray();
        QTest::newRow("Discard") << "milk" << false << QList<A>{A::Discard} << Names{} << true
                                 << QByteArray();
        QTest::newRow("Save") << "milk" << false << QList<A>{A::Save} << Names{name} << true
                              << QByteArray("milk\r\n");
        QTest::newRow("Save, then the dialog cancelled")
            << "milk" << false << QList<A>{A::Save} << Names{std::nullopt} << false << QByteArray();
    }

    // Closing a note with text typed since its last save asks "Save changes?" with Save,
    // Discard and Cancel; only Cancel, or a save that did not happen, keeps it open.
    void noteAsksBeforeUnsavedTextGoes()
    {
        QFETCH(QString, typed);
        QFETCH(bool, savedFirst);
        QFETCH(QList<MessageBox::Answer>, answers);
        QFETCH(QList<std::optional<QString>>, names);
        QFETCH(bool, closes);
        QFETCH(QByteArray, file);
        QTemporaryDir folder;
        FakeFrameLink frame;
        FakeMessageBox messages;
        QuickNoteWindow note(frame, messages);
        note.show();
        QTest::keyClicks(note.noteText, typed);
        for (const std::optional<QString>& name : names)
            frame.dialog.answers.append(name ? std::optional(folder.filePath(*name)) : name);
        if (savedFirst)
            note.saveButton->click();
        messages.answers = answers;
        const bool asked = !answers.isEmpty(); // answers are given where the question is due
        QCOMPARE(note.close(), closes);
        QCOMPARE(messages.prompts, asked ? QStringList{"Save changes?"} : QStringList{});
        QCOMPARE(messages.offered, asked ? QList{MessageBox::Buttons::SaveDiscardCancel}
                                         : QList<MessageBox::Buttons>{});
        QCOMPARE(fileBytes(folder.filePath("note.txt")), file);
    }

    // Notes share the frame's one dialog, so the name chosen last is offered again.
    void notesShareTheFramesDialog()
    {
        FrameFixture f;
        f.frame->newQuickNoteButton->click();
        f.frame->newQuickNoteAction->trigger();
        QCOMPARE(f.children().size(), 3);
        QCOMPARE(f.fakes.fileDialogs->created.size(), 1);
    }

    // Help > "&About" shows the box modally; Enter or Esc closes and unloads it.
    void aboutBoxClosesWithEnterOrEsc()
    {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            FrameFixture f;
            bool closed = false;
            QTimer::singleShot(0, [&] {
                QPointer<AboutBox> box = qobject_cast<AboutBox*>(QApplication::activeModalWidget());
                if (!box)
                    return;
                QTest::keyClick(box, key);
                closed = !box->isVisible();
                box->reject(); // one the key left open
            });
            f.frame->aboutAction->trigger(); // returns when the box closes
            QVERIFY2(closed, key == Qt::Key_Return ? "Enter" : "Esc");
            QTRY_VERIFY(!loadedWindow<AboutBox>()); // the next one is a fresh box
        }
    }
};

BRIVOLA_TEST_MAIN(TestTools)
#include "tst_tools.moc"
