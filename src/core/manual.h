#pragma once

// The built-in manual: an HTML page written beside the program and opened in a browser window.

#include <QDir>
#include <QString>

namespace Manual {

// The whole page in the user's language, lines separated by carriage return and line feed.
QString text();

// Where the manual goes in the program's directory: "Manual.htm" inside it, or "caching.htm"
// straight after a root directory, whose text already ends with the separator ("C:\", "/").
QString path(const QString& programDirectory, QChar separator = QDir::separator());

} // namespace Manual
