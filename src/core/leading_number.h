#pragma once

// The lenient number reading applied to counts in the settings store.

#include <QString>

// Reads the longest number at the start of the text: blanks, tabs and line feeds are ignored
// wherever they stand; then an optional sign, digits, a decimal point, digits and an exponent
// (E or D), or &H followed by hexadecimal or &O followed by octal digits. Whatever follows the
// number is ignored. A text without a number at its start gives 0.
double leadingNumber(const QString& text);

// Whether the whole text, blanks aside, is one number as leadingNumber reads it, with nothing
// before or after it.
bool isNumberOnly(const QString& text);
