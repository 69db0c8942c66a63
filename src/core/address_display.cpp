#include "core/address_display.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace AddressDisplay {

namespace {

// Schemes whose addresses hold "name@host" with no password in it.
bool namesAPerson(const QString& text)
{
    static const QStringList schemes = {QStringLiteral("mailto:"), QStringLiteral("xmpp:"),
                                        QStringLiteral("sip:"),    QStringLiteral("sips:"),
                                        QStringLiteral("im:"),     QStringLiteral("news:")};
    const QString start = text.trimmed();
    return std::any_of(schemes.cbegin(), schemes.cend(), [&start](const QString& scheme) {
        return start.startsWith(scheme, Qt::CaseInsensitive);
    });
}

} // namespace

// The user information ends at the authority's last "@"; its password follows its first ":".
// Typed without a scheme ("alice:secret@host"), the name stands where a scheme would.
QString withoutPassword(const QString& text)
{
    static const QRegularExpression authority(
        QStringLiteral("^(\\s*(?:[A-Za-z][A-Za-z0-9+.-]*://)?)([^/?#\\s]*)"));
    if (namesAPerson(text))
        return text;
    const QRegularExpressionMatch match = authority.match(text);
    const QString userAndHost = match.captured(2);
    const qsizetype at = userAndHost.lastIndexOf(QLatin1Char('@'));
    const qsizetype colon = userAndHost.indexOf(QLatin1Char(':'));
    if (at < 0 || colon < 0 || colon > at)
        return text;
    return match.captured(1) + userAndHost.left(colon) + userAndHost.mid(at) +
           text.mid(match.capturedEnd(2));
}

QString ofPage(const QString& address)
{
    if (address.startsWith(QLatin1String("qrc:"), Qt::CaseInsensitive))
        return {};
    return withoutPassword(address);
}

} // namespace AddressDisplay
