#pragma once

// The built-in manual: an HTML page written beside the program and opened in a browser window.

#include <QDir>
#include <QString>

namespace Manual {

// The whole page, lines separated by carriage return and line feed.
QString text();

// Where the manual goes in the program's directory: "Manual.htm" inside it, or "caching.htm"
// straight after a root directory, whose text already ends with the separator ("C:\", "/").
QString path(const QString& programDirectory, QChar separator = QDir::separator());

// Writes the text and one more line end to the manual's path in the program's directory, or,
// when that cannot be written (an installed, read-only copy), under the same name in the
// user's data directory. Returns the file written; empty when neither could be.
QString write(const QString& text, const QString& programDirectory);

} // namespace Manual
