#pragma once

// The per-user store of string values, addressed by application name, section and key.

#include <QList>
#include <QString>

#include <functional>
#include <utility>

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // Section and key names compare without regard to case: every spelling of a name is the
    // same section or key.
    virtual QString read(const QString& application, const QString& section, const QString& key,
                         const QString& fallback) const = 0;
    // The keys present in a section with their values, in no particular order: one look at the
    // store for a whole section, however long.
    virtual QList<std::pair<QString, QString>> keyValues(const QString& application,
                                                         const QString& section) const = 0;

    // A change outside update() is saved at once. A change that cannot be saved raises
    // StoreError, whose message names the file and the reason; the file is then as it was.
    virtual void write(const QString& application, const QString& section, const QString& key,
                       const QString& value) = 0;
    // Deleting a section that does not exist raises StoreError.
    virtual void deleteSection(const QString& application, const QString& section) = 0;

    // Runs the changes as one: the application's values are read afresh with other writers
    // locked out, the changes are made, and all of them are saved together before the lock is
    // released. Raises StoreError when they cannot be saved; then none of them is.
    virtual void update(const QString& application, const std::function<void()>& changes) = 0;

    // Where an application's values are kept, for messages to the user.
    virtual QString location(const QString& application) const = 0;
    // What the store did on its own while saving that the user should hear of once, such as
    // keeping a copy of a damaged file; empty when nothing. Taking it forgets it.
    virtual QString takeNotice(const QString& application) = 0;
};
