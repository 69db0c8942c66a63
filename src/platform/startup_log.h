#pragma once

// Start-up milestones, logged through the category "brivola.startup" (off by default; turn it
// on with QT_LOGGING_RULES="brivola.startup.info=true").

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcStartup)

namespace StartupLog {

// Logs the milestone the first time it is reached, with the milliseconds since the process
// started and the wall-clock time, so a benchmark can relate it to the moment it launched us.
void milestone(const char* name);

} // namespace StartupLog
