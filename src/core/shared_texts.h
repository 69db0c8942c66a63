#pragma once

// Texts the program shows or keeps in more than one place.

#include <QString>

namespace Texts {

inline const QString kProductTitle = QStringLiteral("Brivola 2.0");
// Lines in the files the program writes end in carriage return and line feed.
inline const QString kLineEnd = QStringLiteral("\r\n");
inline const QString kCannotConnect = QStringLiteral("Cannot connect to this site or directory");
// A window a page's script opened without the user's click is never shown.
inline const QString kWindowBlocked =
    QStringLiteral("Blocked a window this page tried to open on its own");
inline const QString kPrinterError = QStringLiteral("Printer Error");
// The settings store's application names: the program's own, and the organizer's.
inline const QString kProgramStore = QStringLiteral("Brivola");
inline const QString kOrganizerStore = QStringLiteral("Orvane Organizer");

} // namespace Texts
