#include "platform/real/machine_settings_files.h"

#include "core/errors.h"
#include "core/shared_texts.h"
#include "platform/real/ini_disk.h"
#include "platform/real/qt_settings_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

MachineSettingsFiles::MachineSettingsFiles(const QString& folder) : m_folder(folder) {}

QString MachineSettingsFiles::builtInFolder()
{
    return QStringLiteral(BRIVOLA_MACHINE_FOLDER);
}

MachineSettings MachineSettingsFiles::read() const
{
    const QtSettingsStore store(m_folder);
    return machineSettingsOf(store, store.problem(Texts::kProgramStore), listFiles());
}

// A folder that cannot be listed hides lists just as an unreadable file does.
QList<ListFile> MachineSettingsFiles::listFiles() const
{
    const QString path = QDir(m_folder).filePath(MachineKeys::kListFolder);
    const QFileInfo folder(path);
    if (!folder.exists())
        return {};
    if (!folder.isDir() || !folder.isReadable() || !folder.isExecutable())
        return {{path, std::nullopt,
                 QCoreApplication::translate("MachineSettingsFiles",
                                             "Could not read %1: permission denied")
                     .arg(path)}};
    QList<ListFile> lists;
    const QStringList names =
        QDir(path).entryList({QStringLiteral("*.list")}, QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& name : names) {
        ListFile list{QDir(path).filePath(name), std::nullopt, {}};
        try {
            IniDisk::Version version;
            list.bytes = IniDisk::read(list.path, version);
        } catch (const StoreError& error) {
            list.error = QString::fromUtf8(error.what());
        }
        lists.append(list);
    }
    return lists;
}
