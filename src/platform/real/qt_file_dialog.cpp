#include "platform/real/qt_file_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// Where a save starts when the name offered names no folder that exists, as the session's first
// does: the user's documents, or the home folder when there are none; not the folder the
// program happened to be started from.
QString firstFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

} // namespace

QStringList QtFileDialog::nameFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString patterns = parts[i + 1]
                                     .split(QLatin1Char(';'), Qt::SkipEmptyParts)
                                     .join(QLatin1Char(' '))
                                     .trimmed();
        const QString suffix = QStringLiteral("(%1)").arg(patterns);
        result.append(description.trimmed().endsWith(suffix)
                          ? description
                          : QStringLiteral("%1 %2").arg(description, suffix));
    }
    return result;
}

void QtFileDialog::setFilter(const QString& filter)
{
    m_nameFilters = nameFilters(filter);
}

void QtFileDialog::showSave()
{
    QFileDialog dialog(m_parent);
    dialog.setObjectName(QStringLiteral("saveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!m_nameFilters.isEmpty())
        dialog.setNameFilters(m_nameFilters);
    const QFileInfo offered(m_fileName);
    const bool inAFolder = !m_fileName.isEmpty() && offered.absoluteDir().exists();
    dialog.setDirectory(inAFolder ? offered.absolutePath() : firstFolder());
    if (!m_fileName.isEmpty())
        dialog.selectFile(offered.fileName());
    m_cancelled = dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty();
    if (!m_cancelled)
        m_fileName = dialog.selectedFiles().constFirst();
}
