#include "platform/real/ini_disk.h"

#include "core/errors.h"
#include "platform/real/ini_document.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace IniDisk {

namespace {

// A writer holds the lock for one read, change and save: a second or two for the largest files.
// A lock older than this is taken to be left by a program that hangs.
constexpr int kStaleLockMilliseconds = 10000;
// A lock file still empty after this long was left by a writer killed while taking it.
constexpr int kEmptyLockMilliseconds = 1000;
constexpr int kLockWaitMilliseconds = 15000;
constexpr int kMaxCopyNames = 1000;

// %1 in the text is the file.
[[noreturn]] void fail(const char* text, const QString& path)
{
    throw StoreError(
        QCoreApplication::translate("IniDisk", text).arg(QDir::toNativeSeparators(path)));
}

// %1 in the text is the file, %2 the system's reason.
[[noreturn]] void failWithError(const char* text, const QString& path, int error)
{
    throw StoreError(QCoreApplication::translate("IniDisk", text)
                         .arg(QDir::toNativeSeparators(path), qt_error_string(error)));
}

const char* const kCouldNotRead = QT_TRANSLATE_NOOP("IniDisk", "Could not read %1: %2");
const char* const kCouldNotSave = QT_TRANSLATE_NOOP("IniDisk", "Could not save %1: %2");
const char* const kCouldNotCopy =
    QT_TRANSLATE_NOOP("IniDisk", "Could not copy the damaged settings file %1: %2");

qint64 nanoseconds(const timespec& time)
{
    return qint64(time.tv_sec) * 1000000000 + time.tv_nsec;
}

Version versionOf(const struct stat& info)
{
    return {true,
            quint64(info.st_dev),
            quint64(info.st_ino),
            qint64(info.st_size),
            nanoseconds(info.st_mtim),
            nanoseconds(info.st_ctim)};
}

// Writes all the bytes and puts them on the disk; the number of the first error, 0 for none.
int writeWhole(int file, QByteArrayView bytes)
{
    constexpr qsizetype kMaxWrite = qsizetype(1) << 30;
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written =
            ::write(file, bytes.data() + done, size_t(std::min(bytes.size() - done, kMaxWrite)));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? errno : EIO;
        done += written;
    }
    struct stat info;
    if (::fstat(file, &info) != 0)
        return errno;
    if (info.st_size != bytes.size())
        return EIO;
    return ::fsync(file) == 0 ? 0 : errno;
}

// Reads to the end of the file, which may have grown since its size was taken; the number of
// the first error, 0 for none.
int readWhole(int file, QByteArray& bytes, qsizetype expected)
{
    bytes.resize(expected + 1); // one more, to meet the end without growing
    qsizetype filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (bytes.size() > IniDocument::kMaxBytes)
                return EFBIG;
            bytes.resize(bytes.size() * 2);
        }
        const ssize_t got = ::read(file, bytes.data() + filled, size_t(bytes.size() - filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return errno;
        if (got == 0)
            break;
        filled += got;
    }
    bytes.truncate(filled);
    return 0;
}

// Writes a new file, which must not exist yet, with the mode of the file it stands for, or the
// user's default for a first one; the number of the first error, 0 for none.
int writeNewFile(const QByteArray& name, QByteArrayView bytes, std::optional<mode_t> mode)
{
    const int file =
        ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode.value_or(0666));
    if (file < 0)
        return errno;
    if (mode)
        ::fchmod(file, *mode);
    int error = writeWhole(file, bytes);
    if (::close(file) != 0 && error == 0)
        error = errno;
    if (error != 0)
        ::unlink(name.constData());
    return error;
}

// The new file's name is in the folder after the rename only once the folder is on the disk.
void syncFolder(const QString& path)
{
    const int folder = ::open(QFile::encodeName(QFileInfo(path).path()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
}

std::optional<mode_t> modeOf(const QByteArray& name)
{
    struct stat info;
    if (::stat(name.constData(), &info) != 0)
        return std::nullopt;
    return info.st_mode & 07777;
}

// Why a lock file could not be made in the folder: a small file written there shows it. The
// number of the error, 0 when the file could be written.
int lockFailure(const QString& path)
{
    const QByteArray probe =
        QFile::encodeName(path) + ".lock-probe-" + QByteArray::number(getpid());
    const int error = writeNewFile(probe, QByteArray(4096, ' '), 0600);
    ::unlink(probe.constData());
    return error;
}

} // namespace

Version versionOf(const QString& path)
{
    struct stat info;
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? versionOf(info) : Version{};
}

QByteArray read(const QString& path, Version& version)
{
    // Not blocking on opening, and reading regular files only: a pipe or a device put in a
    // settings file's place would never end.
    const int file = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (file < 0) {
        if (errno != ENOENT)
            failWithError(kCouldNotRead, path, errno);
        version = {};
        return {};
    }
    struct stat info;
    int error = ::fstat(file, &info) == 0 ? 0 : errno;
    bool notAFile = false;
    QByteArray bytes;
    if (error == 0) {
        version = versionOf(info);
        if (!S_ISREG(info.st_mode))
            notAFile = true;
        else if (info.st_size > IniDocument::kMaxBytes)
            error = EFBIG;
        else
            error = readWhole(file, bytes, info.st_size);
    }
    ::close(file);
    if (notAFile)
        fail(QT_TRANSLATE_NOOP("IniDisk", "Could not read %1: it is not a file"), path);
    if (error == EFBIG)
        fail(QT_TRANSLATE_NOOP("IniDisk",
                               "Could not read %1: it is too large to be a settings file"),
             path);
    if (error != 0)
        failWithError(kCouldNotRead, path, error);
    return bytes;
}

// A file that is a symbolic link is saved where the link leads, and stays a link.
void save(const QString& path, const QByteArray& bytes, std::optional<mode_t> newMode)
{
    const QFileInfo info(path);
    const QString linked = info.isSymLink() ? info.canonicalFilePath() : QString();
    const QByteArray target = QFile::encodeName(linked.isEmpty() ? path : linked);
    const std::optional<mode_t> mode = modeOf(target);
    // A file the user made read-only stays as it is, although its folder would let a new file
    // take its place; root too respects the missing write permission.
    if (mode && ((*mode & 0222) == 0 || ::access(target.constData(), W_OK) != 0))
        fail(QT_TRANSLATE_NOOP("IniDisk", "Could not save %1: the file is read-only"), path);
    const QByteArray temporary = target + ".new";
    ::unlink(temporary.constData()); // left by a save that was cut short
    int error = writeNewFile(temporary, bytes, newMode ? newMode : mode);
    if (error == 0 && ::rename(temporary.constData(), target.constData()) != 0) {
        error = errno;
        ::unlink(temporary.constData());
    }
    if (error != 0)
        failWithError(kCouldNotSave, path, error);
    syncFolder(QFile::decodeName(target));
}

QString keepCopy(const QString& path)
{
    Version version;
    const QByteArray bytes = read(path, version);
    const QString stem = path + QStringLiteral(".damaged-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const std::optional<mode_t> mode = modeOf(QFile::encodeName(path));
    for (int number = 1; number <= kMaxCopyNames; ++number) {
        const QString copy = number == 1 ? stem : stem + QLatin1Char('-') + QString::number(number);
        const int error = writeNewFile(QFile::encodeName(copy), bytes, mode);
        if (error == 0)
            return copy;
        if (error != EEXIST)
            failWithError(kCouldNotCopy, path, error);
    }
    failWithError(kCouldNotCopy, path, EEXIST);
}

Lock::Lock(const QString& path) : m_lock(path + QStringLiteral(".lock"))
{
    m_lock.setStaleLockTime(kStaleLockMilliseconds);
    if (m_lock.tryLock(0))
        return;
    qint64 pid = 0;
    QString host;
    QString application;
    const QFileInfo lockFile(path + QStringLiteral(".lock"));
    if (!m_lock.getLockInfo(&pid, &host, &application) &&
        lockFile.lastModified().msecsTo(QDateTime::currentDateTime()) > kEmptyLockMilliseconds)
        m_lock.removeStaleLockFile();
    if (m_lock.tryLock(kLockWaitMilliseconds))
        return;
    if (m_lock.error() == QLockFile::LockFailedError)
        fail(QT_TRANSLATE_NOOP("IniDisk", "Could not save %1: another program keeps it locked"),
             path);
    if (const int error = lockFailure(path); error != 0)
        failWithError(kCouldNotSave, path, error);
    fail(QT_TRANSLATE_NOOP("IniDisk", "Could not save %1: its lock file cannot be made"), path);
}

} // namespace IniDisk
