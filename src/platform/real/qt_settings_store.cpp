#include "platform/real/qt_settings_store.h"

#include "core/errors.h"
#include "platform/real/ini_disk.h"
#include "platform/real/ini_document.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QStandardPaths>

#include <optional>
#include <utility>

namespace {

// A window reads thousands of keys in one go; looking at the file once per this many
// milliseconds still picks up changes another program made in between.
constexpr qint64 kRecheckMilliseconds = 100;

QString translated(const char* text)
{
    return QCoreApplication::translate("QtSettingsStore", text);
}

} // namespace

// One application's file. Every change is made under the file's lock, on the file as it is
// then, and saved before the lock is let go.
class QtSettingsStore::File {
public:
    File(const QString& path, Readers readers) : m_path(path), m_readers(readers) {}

    const QString& path() const { return m_path; }
    QString takeNotice() { return std::exchange(m_notice, {}); }

    QString problem()
    {
        refresh();
        if (!m_problem.isEmpty())
            return m_problem;
        if (!m_document.damage().isEmpty())
            //: %1 is the file, %2 the first damage found, such as "line 3 is not valid UTF-8".
            return translated(QT_TRANSLATE_NOOP("QtSettingsStore", "%1 is damaged: %2"))
                .arg(m_path, m_document.damage());
        return {};
    }

    QString read(const QString& section, const QString& key, const QString& fallback)
    {
        refresh();
        return m_document.value(section, key).value_or(fallback);
    }

    QList<std::pair<QString, QString>> keyValues(const QString& section)
    {
        refresh();
        return m_document.keyValues(section);
    }

    void write(const QString& section, const QString& key, const QString& value)
    {
        change([&] { return m_document.setValue(section, key, value); });
    }

    void deleteSection(const QString& section)
    {
        change([&] {
            if (!m_document.removeSection(section))
                throw StoreError(translated(QT_TRANSLATE_NOOP("QtSettingsStore",
                                                              "There is no section \"%1\" in %2"))
                                     .arg(section, m_path));
            return true;
        });
    }

    void update(const std::function<void()>& changes)
    {
        if (m_updating) {
            changes();
            return;
        }
        makeFolder(); // when it cannot be made, the lock says why
        const IniDisk::Lock lock(m_path);
        loadIfChanged();
        if (!m_problem.isEmpty())
            throw StoreError(m_problem); // a file that cannot be read is not overwritten
        m_updating = true;
        m_changed = false;
        try {
            changes();
            if (m_changed)
                save();
        } catch (...) {
            m_updating = false;
            load(); // back to what the file holds
            throw;
        }
        m_updating = false;
    }

private:
    // A change made outside update() is an update of its own.
    template <class Change> void change(Change&& makeChange)
    {
        const auto collect = [&] { m_changed = makeChange() || m_changed; };
        if (m_updating)
            collect();
        else
            update(collect);
    }

    // Picks up changes made by another program, at most once per interval; never while an
    // update collects changes.
    void refresh()
    {
        if (m_updating || (m_sinceCheck.isValid() && m_sinceCheck.elapsed() < kRecheckMilliseconds))
            return;
        loadIfChanged();
    }

    void loadIfChanged()
    {
        if (!m_sinceCheck.isValid() || IniDisk::versionOf(m_path) != m_version)
            load();
        m_sinceCheck.start();
    }

    void load()
    {
        m_sinceCheck.start();
        try {
            m_document = IniDocument(IniDisk::read(m_path, m_version));
            m_problem.clear();
        } catch (const StoreError& error) {
            // Unreadable, the file reads as empty and is never written.
            if (m_problem.isEmpty())
                qWarning("brivola: %s", error.what());
            m_document = IniDocument();
            m_problem = QString::fromUtf8(error.what());
        }
    }

    // The folders made for a file every user reads are readable by every user, also those
    // above it.
    void makeFolder() const
    {
        const QString folder = QFileInfo(m_path).absolutePath();
        QStringList missing = {folder}; // also when an earlier umask left it closed
        for (QString above = QFileInfo(folder).path(); !QFileInfo::exists(above);
             above = QFileInfo(above).path())
            missing.append(above);
        QDir().mkpath(folder);
        if (m_readers == Readers::User)
            return;
        for (const QString& made : missing)
            QFile::setPermissions(made, kEveryoneReadsFolder);
    }

    void save()
    {
        keepDamagedCopy();
        IniDisk::save(m_path, m_document.rewritten(),
                      m_readers == Readers::Everyone ? std::optional<mode_t>(0644) : std::nullopt);
        m_version = IniDisk::versionOf(m_path);
    }

    // A damaged file is copied aside once, before anything overwrites it.
    void keepDamagedCopy()
    {
        if (m_document.damage().isEmpty() || m_copiedVersion == m_version)
            return;
        const QString copy = IniDisk::keepCopy(m_path);
        //: %2 is the first damage found, such as "line 3 is not valid UTF-8"; %3 the copy.
        m_notice = translated(QT_TRANSLATE_NOOP("QtSettingsStore",
                                                "The settings file %1 was damaged (%2). A copy "
                                                "of it as it was is kept as %3."))
                       .arg(QDir::toNativeSeparators(m_path), m_document.damage(),
                            QDir::toNativeSeparators(copy));
        qWarning("brivola: %s is damaged (%s); a copy was kept as %s", qPrintable(m_path),
                 qPrintable(m_document.damage()), qPrintable(copy));
        m_copiedVersion = m_version;
    }

    static constexpr QFile::Permissions kEveryoneReadsFolder =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
        QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;

    QString m_path;
    Readers m_readers;
    IniDocument m_document;
    IniDisk::Version m_version;
    QString m_problem; // why the file cannot be read; empty when it can
    QString m_notice;
    QElapsedTimer m_sinceCheck;
    bool m_updating = false;
    bool m_changed = false;
    std::optional<IniDisk::Version> m_copiedVersion; // of the damaged file last copied
};

QtSettingsStore::QtSettingsStore(const QString& directory, Readers readers)
    : m_directory(directory), m_readers(readers)
{
}

QtSettingsStore::~QtSettingsStore() = default;

QString QtSettingsStore::defaultDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/brivola");
}

QString QtSettingsStore::problem(const QString& application) const
{
    return file(application).problem();
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
    file(application).update(changes);
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

QString QtSettingsStore::takeNotice(const QString& application)
{
    return file(application).takeNotice();
}

QtSettingsStore::File& QtSettingsStore::file(const QString& application) const
{
    auto& slot = m_files[application];
    if (!slot)
        slot = std::make_unique<File>(
            m_directory + QLatin1Char('/') + application + QStringLiteral(".ini"), m_readers);
    return *slot;
}
