#pragma once

// One line of a settings file, read as QSettings' INI format reads it, except that a line always
// ends at its line break: a quote or a backslash left open takes in none of the lines after it.

#include <QByteArrayView>

struct IniLine {
    enum class Kind { Blank, Comment, Section, Setting, Junk };
    enum class Problem { None, OpenQuote, OpenBracket, TextAfterBracket };

    // Reads the line that starts at `from`.
    static IniLine read(QByteArrayView bytes, qsizetype from);

    Kind kind = Kind::Blank;
    Problem problem = Problem::None;
    qsizetype nameStart = 0; // a section's name between the brackets, or a key; trimmed
    qsizetype nameLength = 0;
    qsizetype valueStart = 0; // a setting's value, as it is spelled
    qsizetype valueLength = 0;
    qsizetype next = 0; // where the next line starts
};
