#pragma once

// The system's default printer (CUPS on Linux), through QPrinter.

#include "platform/printer.h"

#include <QStringList>

class QtPrinter : public Printer {
public:
    // With an output file the document goes to that PDF file instead of the default printer.
    explicit QtPrinter(const QString& pdfFile = QString()) : m_pdfFile(pdfFile) {}

    void setFontSize(double points) override;
    void print(const QString& text) override;
    void endDocument() override;

private:
    void requirePrinter() const;

    QString m_pdfFile;
    double m_fontSize = 10;
    QStringList m_lines;
};
