#pragma once

// What a browser control opens from an address box, whatever a child or a hostile page puts
// there.

#include <QString>

namespace AddressRules {

// The window's own empty page, shown in place of a refused page.
inline const QString kEmptyPage = QStringLiteral("qrc:/fullscreen/refused.html");

// The text as an address bar takes it: tabs and line breaks dropped, blanks around it trimmed.
QString cleaned(const QString& typed);

// Why a control must not open the cleaned address, or an empty text when it may. Nothing
// opens a script address ("javascript:"), a text with NUL characters or one longer than any
// address. A guarded control (the full-screen window's, where every page's title is tested)
// opens only web pages, local files, the mail link and the program's own pages: "data:",
// "view-source:" and the engine's internal pages would show text no title test sees.
QString refusal(const QString& address, bool guarded);

} // namespace AddressRules
