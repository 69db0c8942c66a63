#pragma once

// The one form in which page titles and restriction words are compared, so that look-alike
// spellings of a word are the same word: compatibility forms (fullwidth letters, ligatures) are
// plain letters, letter case and accents are ignored, and characters that show nothing
// (zero-width spaces and joiners, soft hyphens, direction marks) are dropped. The German sharp s
// is "ss", and the Turkish dotted and dotless i are "i".

#include <QString>

QString comparableText(const QString& text);
