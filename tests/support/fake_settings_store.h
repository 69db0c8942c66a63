#pragma once

// An in-memory settings store.

#include "core/settings_store.h"

#include <QMap>

class FakeSettingsStore : public SettingsStore {
public:
    QString read(const QString& application, const QString& section, const QString& key,
                 const QString& fallback) const override;
    void write(const QString& application, const QString& section, const QString& key,
               const QString& value) override;
    void deleteSection(const QString& application, const QString& section) override;
    QList<std::pair<QString, QString>> keyValues(const QString& application,
                                                 const QString& section) const override;
    // While saveFails is set every change fails before it is made, so there is nothing to undo.
    void update(const QString&, const std::function<void()>& changes) override { changes(); }
    QString location(const QString& application) const override;
    QString takeNotice(const QString&) override { return {}; }

    int writes = 0;         // how many values were written
    bool saveFails = false; // every change raises StoreError and changes nothing

private:
    void failIfAsked(const QString& application) const;

    using Section = QMap<QString, std::pair<QString, QString>>; // folded key -> key, value
    QMap<QString, Section> m_sections; // folded "application/section" -> section
};
