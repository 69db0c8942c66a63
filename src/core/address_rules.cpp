#include "core/address_rules.h"

#include "core/internet_settings.h"

#include <QRegularExpression>
#include <QUrl>

namespace AddressRules {

namespace {

// Longer addresses than the engine's own limit never load.
constexpr qsizetype kLongestAddress = 2 * 1024 * 1024;

} // namespace

QString cleaned(const QString& typed)
{
    static const QRegularExpression tabsAndBreaks(QStringLiteral("[\\t\\r\\n]"));
    return QString(typed).remove(tabsAndBreaks).trimmed();
}

bool isSearchWords(const QString& text)
{
    static const QRegularExpression blank(QStringLiteral("\\s"));
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:"));
    static const QRegularExpression hostAndPort(QStringLiteral("^[^/?#:]+:[0-9]+([/?#]|$)"));
    if (text.isEmpty())
        return false;
    if (text.contains(blank))
        return true;
    const QString host = text.section(QRegularExpression(QStringLiteral("[/?#]")), 0, 0);
    const bool localhost = host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0;
    return !text.startsWith(u'[') && !text.contains(hostAndPort) && !text.contains(scheme) &&
           !text.contains(u'.') && !localhost;
}

QString searchAddress(const QString& words, const QString& searchPage)
{
    const QString encoded = QString::fromLatin1(QUrl::toPercentEncoding(words));
    if (searchPage.contains(QLatin1String("%s")))
        return QString(searchPage).replace(QLatin1String("%s"), encoded);
    QUrl url = QUrl::fromUserInput(searchPage);
    const QString query = url.query(QUrl::FullyEncoded);
    url.setQuery((query.isEmpty() ? QString() : query + u'&') + QStringLiteral("q=") + encoded,
                 QUrl::StrictMode);
    return url.toString(QUrl::FullyEncoded);
}

QString resolved(const QString& typed, const QString& searchPage)
{
    const QString text = cleaned(typed);
    return isSearchWords(text) ? searchAddress(text, searchPage) : text;
}

QString refusal(const QString& address, Guard guard)
{
    if (address.contains(QChar(u'\0')))
        return QStringLiteral("an address holds no NUL characters");
    if (address.size() > kLongestAddress)
        return QStringLiteral("the address is longer than any page's");
    if (!InternetSettings::isAddress(address))
        return QStringLiteral("\"%1\" is not an address").arg(address.left(100));
    const QString scheme = QUrl::fromUserInput(address).scheme().toLower();
    // "javascript:1" reads as a host and port to the fix-up, but as a script to the engine.
    if (scheme == QLatin1String("javascript") ||
        QUrl(address).scheme().compare(QLatin1String("javascript"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("scripts are not run from the address box");
    if (guard != Guard::None && !fullScreenOpens(QUrl::fromUserInput(address), guard))
        return QStringLiteral("full-screen mode opens web pages only");
    return {};
}

bool fullScreenOpens(const QUrl& url, Guard guard)
{
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
        return true;
    if (scheme == QLatin1String("file"))
        return guard != Guard::Parent;
    const QString address = url.toString();
    return address == kEmptyPage || address == InternetSettings::kDefaultHomePage;
}

bool handedToDesktop(const QUrl& url)
{
    static const QStringList shownByTheEngine = {
        QStringLiteral("http"), QStringLiteral("https"),       QStringLiteral("file"),
        QStringLiteral("qrc"),  QStringLiteral("data"),        QStringLiteral("about"),
        QStringLiteral("blob"), QStringLiteral("view-source"),
    };
    return !shownByTheEngine.contains(url.scheme(), Qt::CaseInsensitive);
}

} // namespace AddressRules
