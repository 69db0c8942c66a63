#pragma once

// The entry counts the organizer keeps in the settings store.

#include "core/errors.h"

#include <QString>

class SettingsStore;

// More entries than this can only come from a damaged count.
inline constexpr int kMaxStoredEntries = 1'000'000;

// The organizer's stored data cannot be loaded without risking the user's entries; the message
// says which count is wrong and where the file is.
class DamagedStoreError : public StoreError {
public:
    using StoreError::StoreError;
};

// The agenda's count, the fallback when absent: the whole text must be a number, read as
// leadingCount reads it, or DamagedStoreError is raised.
int exactCount(const SettingsStore& store, const QString& section, const QString& key,
               const QString& fallback);
// A list's count read leniently: the number at the start of the text, 0 without one, fractions
// cut off, below 0 taken as 0; above kMaxStoredEntries DamagedStoreError is raised.
int leadingCount(const SettingsStore& store, const QString& section, const QString& key,
                 const QString& fallback);
