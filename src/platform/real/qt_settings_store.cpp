#include "platform/real/qt_settings_store.h"

#include "core/errors.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSettings>
#include <QStandardPaths>

#include <functional>
#include <string_view>

namespace {

// A window reads thousands of keys in one go; looking at the file once per this many
// milliseconds still picks up changes another program made in between.
constexpr qint64 kRecheckMilliseconds = 100;

// A section or key name with its letter case folded away, as the index holds it. Qt's own
// string hash, seeded against crafted input, costs a tenth of a microsecond for each of the
// many short names a window reads; a user's own settings need no such guard.
struct FoldedName {
    QString text;
    friend bool operator==(const FoldedName&, const FoldedName&) = default;
};

size_t qHash(const FoldedName& name, size_t seed = 0) noexcept
{
    const std::u16string_view units(reinterpret_cast<const char16_t*>(name.text.utf16()),
                                    static_cast<std::size_t>(name.text.size()));
    return std::hash<std::u16string_view>{}(units) ^ seed;
}

FoldedName folded(const QString& name)
{
    return {name.toCaseFolded()};
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
        const Entry* entry = find(section, key);
        return entry ? entry->value : fallback;
    }

    void write(const QString& section, const QString& key, const QString& value)
    {
        refresh();
        keepDamagedCopy();
        Section& entry = sectionNamed(section);
        Entry& stored = entry.keys[folded(key)];
        if (stored.key.isEmpty())
            stored.key = key;
        stored.value = value;
        m_settings.setValue(entry.name + QLatin1Char('/') + stored.key, value);
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

    QList<std::pair<QString, QString>> keyValues(const QString& section)
    {
        refresh();
        const auto found = m_index.constFind(folded(section));
        QList<std::pair<QString, QString>> pairs;
        if (found == m_index.cend())
            return pairs;
        pairs.reserve(found->keys.size());
        for (const Entry& entry : found->keys)
            pairs.emplace_back(entry.key, entry.value);
        return pairs;
    }

    bool flush()
    {
        m_settings.sync();
        rememberFileState();
        if (m_settings.status() != QSettings::AccessError)
            return true;
        qWarning("brivola: could not save settings to %s", qPrintable(path()));
        return false;
    }

private:
    // The index keeps the values too: a window reading thousands of keys then never waits for
    // QSettings' own lookups.
    struct Entry {
        QString key; // as stored
        QString value;
    };
    struct Section {
        QString name;
        QHash<FoldedName, Entry> keys;
    };

    // The section, added under this spelling when the file has none of that name.
    Section& sectionNamed(const QString& section)
    {
        Section& entry = m_index[folded(section)];
        if (entry.name.isEmpty())
            entry.name = section;
        return entry;
    }

    const Entry* find(const QString& section, const QString& key)
    {
        // Reads come in runs from one section; its folded name is worked out once per run.
        if (section != m_lastSection) {
            m_lastSection = section;
            m_lastSectionFolded = folded(section);
        }
        const auto foundSection = m_index.constFind(m_lastSectionFolded);
        if (foundSection == m_index.cend())
            return nullptr;
        const auto foundKey = foundSection->keys.constFind(folded(key));
        return foundKey == foundSection->keys.cend() ? nullptr : &*foundKey;
    }

    // Picks up changes made to the file by another program, at most once per interval.
    void refresh()
    {
        if (m_indexed && m_sinceCheck.isValid() && m_sinceCheck.elapsed() < kRecheckMilliseconds)
            return;
        // Only a file changed elsewhere needs indexing again: what this store wrote since it last
        // looked is in the index already.
        const bool changedElsewhere = !m_indexed || fileChanged();
        m_settings.sync();
        if (changedElsewhere)
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
        // The keys come grouped by section; each group is indexed in one go.
        for (qsizetype begin = 0; begin < all.size();) {
            const QStringView section = sectionOf(all[begin]);
            qsizetype end = begin + 1;
            while (end < all.size() && sectionOf(all[end]) == section)
                ++end;
            if (!section.isNull()) // a value outside every section is none of ours
                indexKeys(sectionNamed(section.toString()), all.sliced(begin, end - begin),
                          section.size() + 1);
            begin = end;
        }
        m_indexed = true;
    }

    static QStringView sectionOf(const QString& stored)
    {
        const qsizetype slash = stored.indexOf(QLatin1Char('/'));
        return slash < 0 ? QStringView() : QStringView(stored).first(slash);
    }

    void indexKeys(Section& section, const QStringList& stored, qsizetype keyStart)
    {
        section.keys.reserve(section.keys.size() + stored.size());
        for (const QString& name : stored) {
            QString key = name.sliced(keyStart);
            const FoldedName foldedKey = folded(key);
            section.keys.insert(foldedKey, {std::move(key), variantText(m_settings.value(name))});
        }
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
    QHash<FoldedName, Section> m_index;
    QString m_lastSection;
    FoldedName m_lastSectionFolded;
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

void QtSettingsStore::update(const QString& application, const std::function<void()>& changes)
{
    changes();
    if (!file(application).flush())
        throw StoreError(QStringLiteral("Could not save to %1").arg(location(application)));
}

QList<std::pair<QString, QString>> QtSettingsStore::keyValues(const QString& application,
                                                              const QString& section) const
{
    return file(application).keyValues(section);
}

QString QtSettingsStore::location(const QString& application) const
{
    return file(application).path();
}

bool QtSettingsStore::flush()
{
    bool saved = true;
    for (auto& [name, store] : m_files)
        saved = store->flush() && saved;
    return saved;
}

QtSettingsStore::File& QtSettingsStore::file(const QString& application) const
{
    auto& slot = m_files[application];
    if (!slot)
        slot = std::make_unique<File>(m_directory + QLatin1Char('/') + application +
                                      QStringLiteral(".ini"));
    return *slot;
}
