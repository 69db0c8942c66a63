#pragma once

// The home and search page addresses, kept in the settings store.

#include <QString>

class SettingsStore;

namespace InternetSettings {

inline const QString kSection = QStringLiteral("Internet Settings");
inline const QString kHomePageKey = QStringLiteral("Home Page");
inline const QString kSearchPageKey = QStringLiteral("Search Page");

// The start page is part of the program, so it opens at once and without a network.
inline const QString kDefaultHomePage = QStringLiteral("qrc:/start/start.html");
inline const QString kDefaultSearchPage = QStringLiteral("https://duckduckgo.com/");

// Whether the text gives an address, with the fix-up a browser's address bar applies.
bool isAddress(const QString& text);

// A stored text that is no address counts as absent, so going home always goes somewhere.
QString homePage(const SettingsStore& store);
QString searchPage(const SettingsStore& store);

} // namespace InternetSettings
