#include "shell/manual_file.h"

#include "core/errors.h"
#include "core/manual.h"
#include "core/shared_texts.h"
#include "platform/text_file.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// An installed copy has its desktop entry where installing puts it. Its programs' folder
// belongs to the system, even when it can be written (as root).
bool installedCopy(const QString& programDirectory)
{
    return QFileInfo::exists(
        QDir(programDirectory).filePath(QStringLiteral(BRIVOLA_DESKTOP_ENTRY_FROM_PROGRAMS)));
}

} // namespace

QString writeManual(const QString& text, const QString& programDirectory)
{
    const QString beside = Manual::path(programDirectory);
    const QString contents = text + Texts::kLineEnd;
    if (!installedCopy(programDirectory)) {
        try {
            TextFile::write(beside, contents);
            return beside;
        } catch (const FileError&) {
        }
    }
    const QString dataDirectory =
        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (dataDirectory.isEmpty() || !QDir().mkpath(dataDirectory))
        return {};
    const QString fallback =
        QDir::toNativeSeparators(QDir(dataDirectory).filePath(QFileInfo(beside).fileName()));
    try {
        TextFile::write(fallback, contents);
        return fallback;
    } catch (const FileError&) {
        return {};
    }
}
