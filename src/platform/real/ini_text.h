#pragma once

// How section names, keys and values are spelled in the settings files: as QSettings' INI
// format spells them, so that the files read the same through either.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace IniText {

// A section name or key: ASCII letters, digits, '_', '-' and '.' as they are, '/' as '\' but at
// the end, other characters as %XX or %UXXXX.
void appendName(QByteArray& out, QStringView name);
QString name(QByteArrayView spelled);
// Whether the spelling is the name itself in ASCII, with no escapes.
bool isPlainName(QByteArrayView spelled);

// A value: escaped as in C, in quotes when it holds ',', ';' or '=' or starts or ends with a
// blank; text holding a NUL is marked @String(...), text starting with '@' has it doubled.
void appendValue(QByteArray& out, QStringView value);
// Reads a value as QSettings does. What it reads as a list (items between unquoted commas) comes
// back joined with ", "; its other types, @ByteArray(...), @Variant(...) and so on, as their text.
QString value(QByteArrayView spelled);

} // namespace IniText
