#include "platform/text_file.h"

#include "core/errors.h"
#include "core/shared_texts.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <unistd.h>

namespace TextFile {

namespace {

// The new file could not be made beside the old one, or could not take its place: the old file
// is untouched.
class ReplaceError : public FileError {
public:
    using FileError::FileError;
};

// Unbuffered, each write reaches the file at once and reports its own failure (a full disk, a
// size limit); the size and the flush to disk are checked before the file counts as written.
void writeWhole(QFileDevice& file, const QByteArray& bytes)
{
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            throw FileError(file.errorString());
        done += written;
    }
    if (file.size() != bytes.size())
        throw FileError(QCoreApplication::translate("TextFile", "the file was not written whole"));
    if (::fsync(file.handle()) != 0)
        throw FileError(qt_error_string(errno));
}

void replace(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw ReplaceError(file.errorString());
    try {
        writeWhole(file, bytes);
    } catch (const FileError&) {
        file.cancelWriting();
        throw;
    }
    if (!file.commit())
        throw ReplaceError(file.errorString());
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Written in place, a failed save has cut the old text short: it is put back as far as the
// disk allows, into the room the new text freed.
void putBack(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

void overwrite(const QString& path, const QByteArray& bytes)
{
    const QByteArray oldBytes = contents(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        throw FileError(file.errorString());
    try {
        writeWhole(file, bytes);
    } catch (const FileError&) {
        file.close();
        putBack(path, oldBytes);
        throw;
    }
}

} // namespace

QString withCrLf(const QString& text)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    return QString(text).replace(lineEnd, Texts::kLineEnd);
}

void write(const QString& path, const QString& text)
{
    // The text goes to a new file that replaces the old one only once it is complete. Where
    // that cannot be done (a folder the user may not write to, a sticky folder holding another
    // user's file, an immutable folder) a file the user may write is written in place.
    const QByteArray bytes = text.toUtf8();
    try {
        replace(path, bytes);
    } catch (const ReplaceError&) {
        const QFileInfo target(path);
        if (!target.isFile() || !target.isWritable())
            throw;
        overwrite(path, bytes);
    }
}

} // namespace TextFile
