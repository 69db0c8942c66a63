#include "core/internet_settings.h"

#include "core/settings_store.h"
#include "core/shared_texts.h"

#include <QUrl>

namespace InternetSettings {

namespace {

QString address(const SettingsStore& store, const QString& key, const QString& fallback)
{
    const QString stored = store.read(Texts::kProgramStore, kSection, key, QString()).trimmed();
    return isAddress(stored) ? stored : fallback;
}

} // namespace

bool isAddress(const QString& text)
{
    return !text.trimmed().isEmpty() && QUrl::fromUserInput(text).isValid();
}

QString homePage(const SettingsStore& store)
{
    return address(store, kHomePageKey, kDefaultHomePage);
}

QString searchPage(const SettingsStore& store)
{
    return address(store, kSearchPageKey, kDefaultSearchPage);
}

} // namespace InternetSettings
