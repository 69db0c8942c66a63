#include "core/stored_count.h"

#include "core/leading_number.h"
#include "core/settings_store.h"
#include "core/shared_texts.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

// Enough of a damaged value to recognise it in the message.
constexpr int kShownCharacters = 40;

[[noreturn]] void reportDamage(const SettingsStore& store, const QString& section,
                               const QString& key, const QString& text)
{
    QString shown = text.left(kShownCharacters);
    if (text.size() > kShownCharacters)
        shown += QStringLiteral("...");
    //: %1 and %2 are the count's key and section as stored, %3 its value, %4 the most entries,
    //: %5 the file.
    throw DamagedStoreError(
        QCoreApplication::translate(
            "StoredCount",
            "The organizer's saved data is damaged: the count \"%1\" in section \"%2\" holds "
            "\"%3\", which is not a number, or more than %4 entries.\n\n"
            "The organizer was not opened, so nothing in its data has been changed. Please "
            "repair or remove this file:\n%5")
            .arg(key, section, shown, QLocale().toString(kMaxStoredEntries),
                 store.location(Texts::kOrganizerStore)));
}

// The entries a count reads: keys 0 up to the count minus 1, so none below 1 and fractions cut.
int entries(const SettingsStore& store, const QString& section, const QString& key,
            const QString& text, bool numberOnly)
{
    const double count = leadingNumber(text);
    if (!numberOnly || count > kMaxStoredEntries)
        reportDamage(store, section, key, text);
    return count < 0 ? 0 : static_cast<int>(count);
}

} // namespace

int exactCount(const SettingsStore& store, const QString& section, const QString& key,
               const QString& fallback)
{
    const QString text = store.read(Texts::kOrganizerStore, section, key, fallback);
    return entries(store, section, key, text, isNumberOnly(text));
}

int leadingCount(const SettingsStore& store, const QString& section, const QString& key,
                 const QString& fallback)
{
    const QString text = store.read(Texts::kOrganizerStore, section, key, fallback);
    return entries(store, section, key, text, true);
}
