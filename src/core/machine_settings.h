#pragma once

// What the administrator set for this machine, out of the user's reach: the machine's
// restriction list, the parent passphrase, and whether the program starts in full-screen mode.
// They are kept in the machine's settings file (the list in section "Restrictions", the rest in
// "Full Screen") and in the list files of its restrictions.d folder.

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class SettingsStore;

struct MachineSettings {
    QStringList restrictions; // the settings file's list, then every list file's, by file name
    QString passphraseHash;   // empty while no passphrase is set
    bool startFullScreen = false;
    // Why they could not be read whole; empty when they could. Then full-screen mode refuses
    // every page.
    QString problem;
    // False when the settings file itself could not be read or parsed: whether a passphrase
    // guards full-screen mode is then unknown, so it is not left.
    bool fileRead = true;
};

namespace MachineKeys {

inline const QString kSection = QStringLiteral("Full Screen");
inline const QString kPassphrase = QStringLiteral("Passphrase");
inline const QString kStart = QStringLiteral("Start");
inline const QString kOn = QStringLiteral("on");
inline const QString kOff = QStringLiteral("off");
// The folder beside the settings file whose "*.list" files are lists too.
inline const QString kListFolder = QStringLiteral("restrictions.d");

} // namespace MachineKeys

// A list file as read: its bytes, or why it could not be read.
struct ListFile {
    QString path;
    std::optional<QByteArray> bytes;
    QString error;
};

// The settings from the machine's store (and why its file cannot be trusted, if it cannot) and
// its list files, in the order given.
MachineSettings machineSettingsOf(const SettingsStore& store, const QString& storeProblem,
                                  const QList<ListFile>& lists);

// Where the program reads them. The real one reads the files of a folder built into the program.
class MachineSettingsSource {
public:
    virtual ~MachineSettingsSource() = default;
    virtual MachineSettings read() const = 0;
};
