#pragma once

// The texts of the program's start page in the user's language, which the page itself shows.

#include <QString>

namespace StartPage {

// A script to run as the start page's document is made: it gives the page its texts, keyed as
// the page's data-text attributes, HTML-escaped, with its language and title, as
// window.brivolaStartPage. On any other page it does nothing.
QString textsScript();

} // namespace StartPage
