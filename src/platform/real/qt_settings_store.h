#pragma once

// The settings store kept in one INI file per application name, in the format QSettings writes.

#include "core/settings_store.h"

#include <map>
#include <memory>

class QtSettingsStore : public SettingsStore {
public:
    // The user's store lives in ~/.config/brivola; tests and tools may point it elsewhere.
    explicit QtSettingsStore(const QString& directory = defaultDirectory());
    ~QtSettingsStore() override;

    static QString defaultDirectory();

    QString read(const QString& application, const QString& section, const QString& key,
                 const QString& fallback) const override;
    void write(const QString& application, const QString& section, const QString& key,
               const QString& value) override;
    void deleteSection(const QString& application, const QString& section) override;
    void update(const QString& application, const std::function<void()>& changes) override;
    QList<std::pair<QString, QString>> keyValues(const QString& application,
                                                 const QString& section) const override;
    QString location(const QString& application) const override;

private:
    class File;
    File& file(const QString& application) const;

    QString m_directory;
    mutable std::map<QString, std::unique_ptr<File>> m_files;
};
