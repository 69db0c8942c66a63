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
// only ends the options.
QString address(const QStringList& arguments);

} // namespace CommandLine
