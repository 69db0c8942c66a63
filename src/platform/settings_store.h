#pragma once

// The per-user store of string values, addressed by application name, section and key.

#include <QList>
#include <QString>

#include <utility>

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // Section and key names compare without regard to case.
    virtual QString read(const QString& application, const QString& section, const QString& key,
                         const QString& fallback) const = 0;
    virtual void write(const QString& application, const QString& section, const QString& key,
                       const QString& value) = 0;
    // Deleting a section that does not exist raises StoreError.
    virtual void deleteSection(const QString& application, const QString& section) = 0;

    // The keys present in a section with their values, in no particular order: one look at the
    // store for a whole section, however long.
    virtual QList<std::pair<QString, QString>> keyValues(const QString& application,
                                                         const QString& section) const = 0;
    // Where an application's values are kept, for messages to the user.
    virtual QString location(const QString& application) const = 0;
};
