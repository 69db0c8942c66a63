#pragma once

// Runs part of a test in a forked child process, so that a file size limit, a smaller disk or an
// unprivileged user stays with the child and the test program itself is left as it was.

#include <QString>

#include <functional>

namespace ForkedChild {

enum class Setting {
    FileSizeLimit, // files may grow to kFileSizeLimit bytes; beyond, writes fail with EFBIG
    SmallDisk, // the folder given is a fresh file system of kSmallDiskBytes, seen by the child only
    Unprivileged, // the child runs as the user nobody, so that permissions apply even for root
};

constexpr long kFileSizeLimit = 4096;
constexpr long kSmallDiskBytes = 64 * 1024;

struct Result {
    QString skipped; // why the setting could not be made; empty when the body ran
    QString output;  // what the body returned
};

// Runs the body in a child made so; folder is where SmallDisk mounts its file system.
Result run(Setting setting, const std::function<QString()>& body, const QString& folder = {});

} // namespace ForkedChild
