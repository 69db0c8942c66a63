#include "platform/qt_settings_store.h"

#include "platform/errors.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSettings>
#include <QStandardPaths>

namespace {

// A window reads thousands of keys in one go; looking at the file once per this many
// milliseconds still picks up changes another program made in between.
constexpr qint64 kRecheckMilliseconds = 100;

QString folded(const QString& name)
{
    return name.toCaseFolded();
}

QString variantText(const QVariant& value)
{
    // QSettings reads an unquoted value with commas (written by hand) as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

} // namespace

// One application's INI file, with a case-insensitive index of its sections and keys.
class QtSettingsStore::File {
public:
    explicit File(const QString& path) : m_settings(path, QSettings::IniFormat)
    {
        rememberFileState();
    }

    QString path() const { return m_settings.fileName(); }

    QString read(const QString& section, const QString& key, const QString& fallback)
    {
        refresh();
        const QString stored = storedName(section, key);
        return stored.isEmpty() ? fallback : variantText(m_settings.value(stored));
    }

    void write(const QString& section, const QString& key, const QString& value)
    {
        refresh();
        keepDamagedCopy();
        Section& entry = m_index[folded(section)];
        if (entry.name.isEmpty())
            entry.name = section;
        QString& storedKey = entry.keys[folded(key)];
        if (storedKey.isEmpty())
            storedKey = key;
        m_settings.setValue(entry.name + QLatin1Char('/') + storedKey, value);
        // A burst of writes (a window saving thousands of values) must not sync, and so write
        // the whole file, once per interval: the index already holds what was just written.
        m_sinceCheck.start();
    }

    void deleteSection(const QString& section)
    {
        refresh();
        const auto found = m_index.constFind(folded(section));
        if (found == m_index.cend())
            throw StoreError(
                QStringLiteral("There is no section \"%1\" in %2").arg(section, path()));
        keepDamagedCopy();
        m_settings.remove(found->name);
        m_index.erase(found);
    }

    QStringList keys(const QString& section)
    {
        refresh();
        const auto found = m_index.constFind(folded(section));
        return found == m_index.cend() ? QStringList() : QStringList(found->keys.values());
    }

    void flush()
    {
        m_settings.sync();
        rememberFileState();
        if (m_settings.status() == QSettings::AccessError)
            qWarning("brivola: could not save settings to %s", qPrintable(path()));
    }

private:
    struct Section {
        QString name;
        QHash<QString, QString> keys; // folded key -> key as stored
    };

    QString storedName(const QString& section, const QString& key) const
    {
        const auto foundSection = m_index.constFind(folded(section));
        if (foundSection == m_index.cend())
            return {};
        const auto foundKey = foundSection->keys.constFind(folded(key));
        if (foundKey == foundSection->keys.cend())
            return {};
        return foundSection->name + QLatin1Char('/') + *foundKey;
    }

    // Picks up changes made to the file by another program, at most once per interval.
    void refresh()
    {
        if (m_indexed && m_sinceCheck.isValid() && m_sinceCheck.elapsed() < kRecheckMilliseconds)
            return;
        m_settings.sync();
        if (!m_indexed || fileChanged())
            rebuildIndex();
        rememberFileState();
    }

    bool fileChanged() const
    {
        const QFileInfo info(path());
        return info.size() != m_size || info.lastModified() != m_modified;
    }

    void rememberFileState()
    {
        const QFileInfo info(path());
        m_size = info.size();
        m_modified = info.lastModified();
        m_sinceCheck.start();
        if (m_settings.status() == QSettings::FormatError)
            m_damaged = true;
    }

    void rebuildIndex()
    {
        m_index.clear();
        const QStringList all = m_settings.allKeys();
        for (const QString& stored : all) {
            const qsizetype slash = stored.indexOf(QLatin1Char('/'));
            if (slash < 0)
                continue; // a value outside every section is none of ours
            const QString section = stored.left(slash);
            const QString key = stored.mid(slash + 1);
            Section& entry = m_index[folded(section)];
            if (entry.name.isEmpty())
                entry.name = section;
            entry.keys.insert(folded(key), key);
        }
        m_indexed = true;
    }

    // QSettings drops what it cannot parse when it writes the file back, so a damaged file is
    // copied aside before the first change.
    void keepDamagedCopy()
    {
        if (!m_damaged || m_backedUp)
            return;
        const QString copy =
            path() + QStringLiteral(".damaged-") +
            QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
        if (QFile::copy(path(), copy))
            qWarning("brivola: %s is damaged; a copy was kept as %s", qPrintable(path()),
                     qPrintable(copy));
        else
            qWarning("brivola: %s is damaged and could not be copied to %s", qPrintable(path()),
                     qPrintable(copy));
        m_backedUp = true;
    }

    QSettings m_settings;
    QHash<QString, Section> m_index; // folded section -> section
    bool m_indexed = false;
    bool m_damaged = false;
    bool m_backedUp = false;
    QElapsedTimer m_sinceCheck;
    qint64 m_size = -1;
    QDateTime m_modified;
};

QtSettingsStore::QtSettingsStore(const QString& directory) : m_directory(directory)
{
    QDir().mkpath(m_directory);
}

QtSettingsStore::~QtSettingsStore()
{
    flush();
}

QString QtSettingsStore::defaultDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/brivola");
}

QString QtSettingsStore::read(const QString& application, const QString& section,
                              const QString& key, const QString& fallback) const
{
    return file(application).read(section, key, fallback);
}

void QtSettingsStore::write(const QString& application, const QString& section, const QString& key,
                            const QString& value)
{
    file(application).write(section, key, value);
}

void QtSettingsStore::deleteSection(const QString& application, const QString& section)
{
    file(application).deleteSection(section);
}

QStringList QtSettingsStore::keys(const QString& application, const QString& section) const
{
    return file(application).keys(section);
}

QString QtSettingsStore::location(const QString& application) const
{
    return file(application).path();
}

void QtSettingsStore::flush()
{
    for (auto& [name, store] : m_files)
        store->flush();
}

QtSettingsStore::File& QtSettingsStore::file(const QString& application) const
{
    auto& slot = m_files[application];
    if (!slot)
        slot = std::make_unique<File>(m_directory + QLatin1Char('/') + application +
                                      QStringLiteral(".ini"));
    return *slot;
}
