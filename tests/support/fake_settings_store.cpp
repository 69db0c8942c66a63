#include "support/fake_settings_store.h"

#include "core/errors.h"

namespace {

QString sectionKey(const QString& application, const QString& section)
{
    return (application + QLatin1Char('/') + section).toCaseFolded();
}

} // namespace

QString FakeSettingsStore::read(const QString& application, const QString& section,
                                const QString& key, const QString& fallback) const
{
    return m_sections.value(sectionKey(application, section))
        .value(key.toCaseFolded(), {key, fallback})
        .second;
}

void FakeSettingsStore::write(const QString& application, const QString& section,
                              const QString& key, const QString& value)
{
    failIfAsked(application);
    auto& stored = m_sections[sectionKey(application, section)][key.toCaseFolded()];
    if (stored.first.isEmpty())
        stored.first = key;
    stored.second = value;
    ++writes;
}

void FakeSettingsStore::deleteSection(const QString& application, const QString& section)
{
    failIfAsked(application);
    if (m_sections.remove(sectionKey(application, section)) == 0)
        throw StoreError(QStringLiteral("no section ") + section);
}

QList<std::pair<QString, QString>> FakeSettingsStore::keyValues(const QString& application,
                                                                const QString& section) const
{
    return m_sections.value(sectionKey(application, section)).values();
}

QString FakeSettingsStore::location(const QString& application) const
{
    return QStringLiteral("memory:") + application;
}

void FakeSettingsStore::failIfAsked(const QString& application) const
{
    if (saveFails)
        throw StoreError(location(application) + QStringLiteral(": No space left on device"));
}
