#pragma once

// The manual's file, written where the program can write it.

#include <QString>

// Writes the text and one more line end to the manual's path in the program's directory, or,
// for an installed copy or when that cannot be written, under the same name in the user's
// data directory. Returns the file written; empty when neither could be.
QString writeManual(const QString& text, const QString& programDirectory);
