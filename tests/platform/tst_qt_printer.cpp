#include "core/errors.h"
#include "platform/real/qt_printer.h"
#include "support/test_main.h"

#include <QFile>
#include <QPrinterInfo>
#include <QTemporaryDir>

class TestQtPrinter : public QObject {
    Q_OBJECT
private slots:
    void withoutPrinterEveryStepFails();
    void documentIsPrinted();
};

void TestQtPrinter::withoutPrinterEveryStepFails()
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        QSKIP("this machine has a default printer, and the test must not use it");
    QtPrinter printer;
    QVERIFY_THROWS_EXCEPTION(PrinterError, printer.setFontSize(12));
    QVERIFY_THROWS_EXCEPTION(PrinterError, printer.print(QStringLiteral("Agenda For:")));
    QVERIFY_THROWS_EXCEPTION(PrinterError, printer.endDocument());
}

void TestQtPrinter::documentIsPrinted()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("agenda.pdf"));
    QtPrinter printer(pdf);
    printer.setFontSize(12);
    printer.print(QStringLiteral("Agenda For: April 19,  1998"));
    printer.print(QString());
    printer.print(QStringLiteral("Dentist\r\nat 3"));
    printer.endDocument();
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith("%PDF"));
}

BRIVOLA_TEST_MAIN(TestQtPrinter)
#include "tst_qt_printer.moc"
