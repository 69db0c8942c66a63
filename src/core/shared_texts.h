#pragma once

// Texts the program shows or keeps in more than one place.

#include <QCoreApplication>
#include <QString>

namespace Texts {

inline const QString kProductTitle = QStringLiteral("Brivola 2.0");
// Lines in the files the program writes end in carriage return and line feed.
inline const QString kLineEnd = QStringLiteral("\r\n");
// Messages, in English; shown through shown().
inline const QString kCannotConnect =
    QStringLiteral(QT_TRANSLATE_NOOP("Texts", "Cannot connect to this site or directory"));
// A window a page's script opened without the user's click is never shown.
inline const QString kWindowBlocked = QStringLiteral(
    QT_TRANSLATE_NOOP("Texts", "Blocked a window this page tried to open on its own"));
inline const QString kPrinterError = QStringLiteral(QT_TRANSLATE_NOOP("Texts", "Printer Error"));
// The settings store's application names: the program's own, and the organizer's.
inline const QString kProgramStore = QStringLiteral("Brivola");
inline const QString kOrganizerStore = QStringLiteral("Orvane Organizer");

// One of the messages above in the user's language.
inline QString shown(const QString& message)
{
    return QCoreApplication::translate("Texts", message.toUtf8().constData());
}

} // namespace Texts
