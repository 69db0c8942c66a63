#pragma once

// The administrator's tool for the parental restriction list: lists, adds, removes and clears
// the words in the settings store, in the layout the full-screen window reads.

#include <QStringList>

#include <functional>
#include <optional>

class MachineSettingsSource;
class QTextStream;
class SettingsStore;

namespace RestrictionsTool {

enum ExitCode { kDone = 0, kFailed = 1, kWrongUsage = 2 };

// Reads one line of a passphrase, asking with the prompt; none at the end of the input.
using PassphraseReader = std::function<std::optional<QString>(const QString& prompt)>;

// What the tool works on: the user's store, the machine's store and the machine's settings as
// the program reads them, and where a passphrase is read from.
struct Stores {
    SettingsStore& user;
    SettingsStore& system;
    const MachineSettingsSource& machine;
    PassphraseReader readPassphrase;
};

// Runs the command the arguments (the program's name left out) give, its reading, change and
// saving as one update of the store, and returns the exit status. The command works on the
// user's list, or with "--system" before it on the machine's settings.
int run(const QStringList& arguments, const Stores& stores, QTextStream& out, QTextStream& err);

} // namespace RestrictionsTool
