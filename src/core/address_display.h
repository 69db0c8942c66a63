#pragma once

// How addresses read on screen: in the address box, its list, and over a page.

#include <QString>

namespace AddressDisplay {

// The text with any password given in its address ("user:secret@host") left out, user name
// kept; a text without one comes back as it is.
QString withoutPassword(const QString& text);

// What the address box shows for the page at the address: the address without a password, or
// an empty text for the program's own pages (qrc:), whose addresses mean nothing to a user.
QString ofPage(const QString& address);

} // namespace AddressDisplay
