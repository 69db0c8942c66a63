#include "core/start_page.h"

#include "core/internet_settings.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

namespace StartPage {

namespace {

QString translated(const char* text)
{
    return QCoreApplication::translate("StartPage", text);
}

// A text as HTML, the keys it names (%1) written as keys.
QString withKeys(const char* text, const QString& keys = {})
{
    const QString html = translated(text).toHtmlEscaped();
    return keys.isEmpty() ? html : html.arg(keys);
}

QString key(const char* name)
{
    return QStringLiteral("<kbd>%1</kbd>").arg(QLatin1String(name));
}

QJsonObject texts()
{
    return {
        //: The language code of this translation, as a page's lang attribute takes it.
        {QStringLiteral("language"), translated(QT_TRANSLATE_NOOP("StartPage", "en"))},
        {QStringLiteral("title"), translated(QT_TRANSLATE_NOOP("StartPage", "Brivola Start Page"))},
        {QStringLiteral("browse"), withKeys(QT_TRANSLATE_NOOP("StartPage", "Browse"))},
        //: %1 is the Enter key. The quoted names are the frame's button and menu.
        {QStringLiteral("browseText"),
         withKeys(QT_TRANSLATE_NOOP("StartPage",
                                    "Type an address into the box above and press %1. \"New "
                                    "Browser\" opens another window; the Window menu cascades or "
                                    "tiles them."),
                  key("Enter"))},
        {QStringLiteral("fullScreen"), withKeys(QT_TRANSLATE_NOOP("StartPage", "Full screen"))},
        //: %1 is the keys Alt+Q. "Full Screen" is the frame's button.
        {QStringLiteral("fullScreenText"),
         withKeys(QT_TRANSLATE_NOOP("StartPage",
                                    "\"Full Screen\" gives the whole screen to one page. Click the "
                                    "top edge of the screen, or press %1, to bring up the "
                                    "floating toolbar."),
                  key("Alt") + QLatin1Char('+') + key("Q"))},
        {QStringLiteral("organize"), withKeys(QT_TRANSLATE_NOOP("StartPage", "Organize"))},
        //: %1 is the F1 key.
        {QStringLiteral("organizeText"),
         withKeys(QT_TRANSLATE_NOOP("StartPage",
                                    "The organizer keeps your appointments, phone numbers and "
                                    "favourite pages. Press %1 for the manual."),
                  key("F1"))},
    };
}

} // namespace

QString textsScript()
{
    const QUrl page(InternetSettings::kDefaultHomePage);
    const QString json = QString::fromUtf8(QJsonDocument(texts()).toJson(QJsonDocument::Compact));
    return QStringLiteral("if (location.protocol === \"%1:\" && location.pathname === \"%2\")\n"
                          "    window.brivolaStartPage = Object.freeze(%3);\n")
        .arg(page.scheme(), page.path(), json);
}

} // namespace StartPage
