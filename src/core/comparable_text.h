#pragma once

// The one form in which page titles and restriction words are compared, so that look-alike
// spellings of a word are the same word: compatibility forms (fullwidth letters, ligatures) are
// plain letters, letter case and accents are ignored, and characters that show nothing
// (zero-width spaces and joiners, soft hyphens, direction marks) are dropped. The German sharp s
// is "ss", and the Turkish dotted and dotless i are "i".

#include <QString>

QString comparableText(const QString& text);

// The comparable text in its confusable skeleton (Unicode's UTS #39, through ICU's spoof
// checker), so that letters of other scripts that look like Latin ones ("с" of Cyrillic, "ο" of
// Greek), small capitals ("ᴀ") and letters in negative squares ("🅰") are the letters they
// resemble. Each character becomes a text of its own, whatever stands around it, so a word
// held in a text is held in the text's skeleton too.
QString skeletonText(const QString& text);
