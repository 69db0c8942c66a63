#pragma once

// The settings files on disk: read whole, saved whole through a new file that replaces the old
// one only once it is complete and on the disk, copied aside, and locked so that their writers
// take turns.

#include <QLockFile>
#include <QString>

#include <optional>
#include <sys/types.h>

namespace IniDisk {

// What tells one version of a file from the next: every save makes a new file.
struct Version {
    bool exists = false;
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modified = 0; // nanoseconds
    qint64 changed = 0;
    friend bool operator==(const Version&, const Version&) = default;
};

Version versionOf(const QString& path);

// The file's bytes, and the version they are; none for a file that does not exist. Raises
// StoreError when the file cannot be read or is too large to be a settings file.
QByteArray read(const QString& path, Version& version);

// Replaces the file with the bytes, with the mode given, or else the mode of the file it
// replaces. Raises StoreError, naming the file and the reason, when they cannot be saved, a
// read-only file among them; the file is then as it was.
void save(const QString& path, const QByteArray& bytes, std::optional<mode_t> newMode = {});

// Copies the file to <file>.damaged-<yyyyMMdd-HHmmss>, or a name beside it that is free;
// returns the copy's name. Raises StoreError when the copy cannot be made.
QString keepCopy(const QString& path);

// Holds <file>.lock while it lives. Raises StoreError when the lock cannot be had.
class Lock {
public:
    explicit Lock(const QString& path);

private:
    QLockFile m_lock;
};

} // namespace IniDisk
