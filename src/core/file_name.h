#pragma once

// File names made from what a user sees, such as a page's title.

#include <QString>

// A name for a file saved from a page with this title: without folder separators or control
// characters, not hidden, at most 100 characters; "page" when nothing of the title is left.
QString fileNameFromTitle(const QString& title);
