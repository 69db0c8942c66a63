#include "platform/text_file.h"

#include "core/errors.h"
#include "core/shared_texts.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <unistd.h>

namespace TextFile {

namespace {

// A new file beside the target cannot be made in a folder the user may not write to; a file
// there that the user may write is then written in place.
bool onlyInPlace(const QString& path)
{
    const QFileInfo target(path);
    return target.exists() && target.isWritable() && !QFileInfo(target.path()).isWritable();
}

[[noreturn]] void fail(QSaveFile& file, const QString& reason)
{
    file.cancelWriting();
    throw FileError(reason);
}

// Unbuffered, each write reaches the file at once and reports its own failure (a full disk, a
// size limit); the size and the flush to disk are checked before the old file is replaced.
void save(const QString& path, const QByteArray& bytes, bool inPlace)
{
    QSaveFile file(path);
    file.setDirectWriteFallback(inPlace);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw FileError(file.errorString());
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            fail(file, file.errorString());
        done += written;
    }
    if (file.size() != bytes.size())
        fail(file, QStringLiteral("the file was not written whole"));
    if (::fsync(file.handle()) != 0)
        fail(file, qt_error_string(errno));
    if (!file.commit())
        throw FileError(file.errorString());
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

} // namespace

QString withCrLf(const QString& text)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    return QString(text).replace(lineEnd, Texts::kLineEnd);
}

void write(const QString& path, const QString& text)
{
    // The text goes to a new file that replaces the old one only once it is complete.
    const bool inPlace = onlyInPlace(path);
    const QByteArray oldBytes = inPlace ? contents(path) : QByteArray();
    try {
        save(path, text.toUtf8(), inPlace);
    } catch (const FileError&) {
        if (inPlace)
            putBack(path, oldBytes);
        throw;
    }
}

} // namespace TextFile
