#pragma once

// Plain text files, written whole: a failed write leaves the file as it was.

#include <QString>

namespace TextFile {

// The text with every line end (line feed, carriage return or both) as carriage return and
// line feed, as the files of this program keep them.
QString withCrLf(const QString& text);

// Creates or replaces the file with the text in UTF-8. Raises FileError, whose message gives
// the reason, when the file cannot be written.
void write(const QString& path, const QString& text);

} // namespace TextFile
