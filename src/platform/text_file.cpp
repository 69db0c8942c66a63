#include "platform/text_file.h"

#include "core/errors.h"
#include "core/shared_texts.h"

#include <QRegularExpression>
#include <QSaveFile>

namespace TextFile {

QString withCrLf(const QString& text)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    return QString(text).replace(lineEnd, Texts::kLineEnd);
}

void write(const QString& path, const QString& text)
{
    // The text goes to a new file that replaces the old one only once it is complete.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw FileError(file.errorString());
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw FileError(file.errorString());
}

} // namespace TextFile
