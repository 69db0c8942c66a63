#pragma once

// The program in the user's language: its own texts (German, French and Spanish, built in) and
// Qt's dialogs (Qt's shipped translations), picked from LANGUAGE, LC_ALL, LC_MESSAGES and LANG.
// Under C and English locales nothing is installed and the texts stay the English ones.

#include <QLocale>

namespace Translations {

// Installs the translators for the locale in the running application; returns whether the
// program's own texts were found for it.
bool install(const QLocale& locale = QLocale());

} // namespace Translations
