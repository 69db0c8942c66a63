#include "platform/real/qt_printer.h"

#include "core/errors.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTextDocument>

void QtPrinter::setFontSize(double points)
{
    requirePrinter();
    m_fontSize = points;
}

void QtPrinter::print(const QString& text)
{
    requirePrinter();
    m_lines.append(text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n"))));
}

void QtPrinter::endDocument()
{
    // The lines belong to this document even when it cannot be printed.
    const QStringList lines = std::exchange(m_lines, {});
    requirePrinter();
    QPrinter printer(QPrinterInfo::defaultPrinter());
    if (!m_pdfFile.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_pdfFile);
    }
    printer.setDocName(QStringLiteral("Brivola 2.0"));

    QTextDocument document;
    QFont font = document.defaultFont();
    font.setPointSizeF(m_fontSize);
    document.setDefaultFont(font);
    document.setPlainText(lines.join(QLatin1Char('\n')));
    document.print(&printer);
    if (printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
        throw PrinterError(
            QCoreApplication::translate("QtPrinter", "The printer did not take the document"));
}

void QtPrinter::requirePrinter() const
{
    if (m_pdfFile.isEmpty() && QPrinterInfo::defaultPrinter().isNull())
        throw PrinterError(QCoreApplication::translate("QtPrinter", "There is no default printer"));
}
