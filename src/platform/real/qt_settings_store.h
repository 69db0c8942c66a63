#pragma once

// The settings store kept in one INI file per application name, in the format QSettings writes.

#include "core/settings_store.h"

#include <map>
#include <memory>

class QtSettingsStore : public SettingsStore {
public:
    // The user's store lives in ~/.config/brivola; tests and tools may point it elsewhere. The
    // folder is made when something is first saved there.
    explicit QtSettingsStore(const QString& directory = defaultDirectory());
    ~QtSettingsStore() override;

    static QString defaultDirectory();
    // The machine's store, which only an administrator can write: brivola in the first system
    // configuration folder (XDG_CONFIG_DIRS), /etc/xdg/brivola by default.
    static QString systemDirectory();

    QString read(const QString& application, const QString& section, const QString& key,
                 const QString& fallback) const override;
    void write(const QString& application, const QString& section, const QString& key,
               const QString& value) override;
    void deleteSection(const QString& application, const QString& section) override;
    void update(const QString& application, const std::function<void()>& changes) override;
    QList<std::pair<QString, QString>> keyValues(const QString& application,
                                                 const QString& section) const override;
    QString location(const QString& application) const override;
    QString takeNotice(const QString& application) override;

private:
    class File;
    File& file(const QString& application) const;

    QString m_directory;
    mutable std::map<QString, std::unique_ptr<File>> m_files;
};
