#pragma once

// What a browser control opens from an address box, whatever a child or a hostile page puts
// there.

#include <QString>

namespace AddressRules {

// The window's own empty page, shown in place of a refused page.
inline const QString kEmptyPage = QStringLiteral("qrc:/fullscreen/refused.html");

// The text as an address bar takes it: tabs and line breaks dropped, blanks around it trimmed.
QString cleaned(const QString& typed);

// Whether cleaned text is words to search for rather than an address: it holds a blank, or it
// has no scheme and no dot and is not localhost. A host with a port ("intranet:8080") and an
// IPv6 address in brackets are addresses.
bool isSearchWords(const QString& text);
// The search page asked for the words: its "%s" replaced by them, encoded, or, without a "%s",
// "q=<words>" added to its query.
QString searchAddress(const QString& words, const QString& searchPage);
// What the typed text opens: the cleaned address, or the search page for words.
QString resolved(const QString& typed, const QString& searchPage);
// The address as it may be shown and listed: a password given in it is left out.
QString withoutPassword(const QString& address);

// Why a control must not open the cleaned address, or an empty text when it may. Nothing
// opens a script address ("javascript:"), a text with NUL characters or one longer than any
// address. A guarded control (the full-screen window's, where every page's title is tested)
// opens only web pages, local files, the mail link and the program's own pages: "data:",
// "view-source:" and the engine's internal pages would show text no title test sees.
QString refusal(const QString& address, bool guarded);

} // namespace AddressRules
