#pragma once

// The program's command line: the two options it answers at once, without a window, and the
// full-screen address that the rest of it gives.

#include <QStringList>

namespace CommandLine {

enum class Request { Run, Help, Version };

// What the arguments (the program's name left out) ask for: "-h"/"--help" or "-v"/"--version"
// anywhere before a "--" asks for that text, the help first; anything else runs the program.
Request request(const QStringList& arguments);

// The usage line, the options and the address argument, for "--help". The usage line names
// the program as the running application was started.
QString helpText();

// The application's name and version on one line, for "--version".
QString versionText();

// The full-screen address: the arguments joined by single spaces, less the first "--", which
// only ends the options. Empty with "--new-window", whose addresses open in browser windows.
QString address(const QStringList& arguments);

// With "--new-window", each address argument: each opens in a new browser window.
QStringList newWindowAddresses(const QStringList& arguments);

// What a second start hands to the program already running: the new-window addresses, or the
// full-screen address as one; none when there is neither, which only raises the running one.
QStringList addressesToHandOver(const QStringList& arguments);

} // namespace CommandLine
