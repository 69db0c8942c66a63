#pragma once

// The settings store kept in one INI file per application name, in the format QSettings writes.

#include "core/settings_store.h"

#include <map>
#include <memory>

class QtSettingsStore : public SettingsStore {
public:
    // Who reads what is saved: the user alone, or every user of the machine, whatever the
    // umask of the one who saves (the folder 0755, the files 0644).
    enum class Readers { User, Everyone };

    // The user's store lives in ~/.config/brivola; tests and tools may point it elsewhere. The
    // folder is made when something is first saved there.
    explicit QtSettingsStore(const QString& directory = defaultDirectory(),
                             Readers readers = Readers::User);
    ~QtSettingsStore() override;

    static QString defaultDirectory();

    // Why an application's file cannot be trusted as it stands: it cannot be read, or would not
    // read back as it is (see IniDocument::damage); empty when it reads whole or does not exist.
    QString problem(const QString& application) const;

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
    Readers m_readers;
    mutable std::map<QString, std::unique_ptr<File>> m_files;
};
