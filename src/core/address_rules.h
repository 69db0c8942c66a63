#pragma once

// What a browser control opens from an address box, whatever a child or a hostile page puts
// there.

#include <QString>

class QUrl;

namespace AddressRules {

// What a control may open. A full-screen control, where every page's title is tested, opens web
// pages and local files only; while a parent's passphrase guards full-screen mode, web pages
// only, as a saved page would show its source under "file:".
enum class Guard { None, FullScreen, Parent };

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

// Why a control must not open the cleaned address, or an empty text when it may. Nothing
// opens a script address ("javascript:"), a text with NUL characters or one longer than any
// address. A guarded control also refuses what fullScreenOpens() does not allow.
QString refusal(const QString& address, Guard guard);

// Whether a guarded control opens an address, typed, followed from a link or redirected to:
// "http" and "https" and the program's own pages, and "file" unless a parent guards the mode.
// Everything else is refused: "data:", "view-source:" and the engine's internal pages would
// show text no title test sees, and "mailto:", "magnet:" and other schemes would hand the
// address to another program.
bool fullScreenOpens(const QUrl& url, Guard guard);

// Whether an address belongs to the desktop's handler of its scheme ("mailto:", "tel:",
// "magnet:", any scheme the engine shows no document of its own for).
bool handedToDesktop(const QUrl& url);

} // namespace AddressRules
