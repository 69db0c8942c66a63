#pragma once

// The administrator's tool for the parental restriction list: lists, adds, removes and clears
// the words in the settings store, in the layout the full-screen window reads.

#include <QStringList>

class QTextStream;
class SettingsStore;

namespace RestrictionsTool {

enum ExitCode { kDone = 0, kFailed = 1, kWrongUsage = 2 };

// Runs the command the arguments (the program's name left out) give, its reading, change and
// saving as one update of the store, and returns the exit status. The command works on the
// user's list, or with "--system" before it on the machine's.
int run(const QStringList& arguments, SettingsStore& user, SettingsStore& system, QTextStream& out,
        QTextStream& err);

} // namespace RestrictionsTool
