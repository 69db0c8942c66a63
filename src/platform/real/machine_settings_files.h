#pragma once

// The machine's settings as files: Brivola.ini in a folder built into the program (the
// install's sysconfdir, /etc/xdg/brivola for the prefix /usr), never one the environment
// names, and the "*.list" files of its restrictions.d folder.

#include "core/machine_settings.h"

class MachineSettingsFiles : public MachineSettingsSource {
public:
    // Only tests name another folder.
    explicit MachineSettingsFiles(const QString& folder = builtInFolder());

    static QString builtInFolder();

    MachineSettings read() const override;

private:
    QList<ListFile> listFiles() const;

    QString m_folder;
};
