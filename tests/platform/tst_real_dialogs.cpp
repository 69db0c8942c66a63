#include "core/errors.h"
#include "platform/real/qt_file_dialog.h"
#include "platform/real/qt_message_box.h"
#include "platform/real/qt_printer.h"
#include "support/test_main.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

namespace {

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

} // namespace

// The platform's real dialogs and printer, driven as a user would.
class TestRealDialogs : public QObject {
    Q_OBJECT
private slots:
    // A plain box is the prompt, OK and the title, without an icon; a question has its icon.
    void messageBoxes()
    {
        QWidget parent;
        QtMessageBox real;
        MessageBox& boxes = real;
        whenShown<QMessageBox>([&](QMessageBox& box) {
            QCOMPARE(box.icon(), QMessageBox::NoIcon);
            QCOMPARE(box.windowTitle(), "Brivola 2.0");
            QCOMPARE(box.parentWidget(), &parent);
            box.button(QMessageBox::Ok)->click();
        });
        QCOMPARE(boxes.show(&parent, "Printer Error"), MessageBox::Answer::Ok);
        whenShown<QMessageBox>([](QMessageBox& box) {
            QCOMPARE(box.icon(), QMessageBox::Question);
            box.button(QMessageBox::Yes)->click();
        });
        QCOMPARE(boxes.show(&parent, "Are you sure", MessageBox::Buttons::YesNo, "Clear"),
                 MessageBox::Answer::Yes);
    }

    // The desktop's own dialog lists text files, and offers the name chosen last.
    void fileDialogFiltersAndRemembers()
    {
        const QString first = QDir::temp().filePath(QStringLiteral("first.txt"));
        QtFileDialog dialog(nullptr);
        dialog.setFilter(QStringLiteral("Text Files (*.txt)|*.txt"));
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

    void printerWithoutAPrinterFails()
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a default printer, and the test must not use it");
        QtPrinter printer;
        QVERIFY_THROWS_EXCEPTION(PrinterError, printer.setFontSize(12));
        QVERIFY_THROWS_EXCEPTION(PrinterError, printer.print(QStringLiteral("Agenda For:")));
        QVERIFY_THROWS_EXCEPTION(PrinterError, printer.endDocument());
    }

    void printerPrintsADocument()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("agenda.pdf"));
        QtPrinter printer(pdf);
        printer.setFontSize(12);
        printer.print(QStringLiteral("Agenda For: April 19,  1998"));
        printer.print(QStringLiteral("Dentist\r\nat 3"));
        printer.endDocument();
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("%PDF"));
    }
};

BRIVOLA_TEST_MAIN(TestRealDialogs)
#include "tst_real_dialogs.moc"
