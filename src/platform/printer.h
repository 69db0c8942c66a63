#pragma once

// The default printer: text printed line by line into one document, sent when it ends.

#include <QString>

class Printer {
public:
    virtual ~Printer() = default;

    // Each raises PrinterError when there is no printer or printing fails.
    virtual void setFontSize(double points) = 0;
    // Prints the text and ends the line; line ends inside the text start new lines.
    virtual void print(const QString& text) = 0;
    // Sends the document to the printer; the next print starts a new one.
    virtual void endDocument() = 0;
};
