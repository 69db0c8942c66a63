#include "core/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace Translations {

namespace {

bool installOne(const QLocale& locale, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(locale, name, QStringLiteral("_"), folder) &&
        QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

bool install(const QLocale& locale)
{
    // English is the language of the source texts: an English catalogue would only be in the way.
    if (locale.language() == QLocale::C || locale.language() == QLocale::English)
        return false;
    installOne(locale, QStringLiteral("qt"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return installOne(locale, QStringLiteral("brivola"), QStringLiteral(":/i18n"));
}

} // namespace Translations
