#include "support/forked_child.h"

#include <QFile>

#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace ForkedChild {

namespace {

constexpr int kSkipped = 77;
constexpr uid_t kNobody = 65534;

// Makes the child so; the reason when that is impossible here.
QString apply(Setting setting, const QString& folder)
{
    switch (setting) {
    case Setting::FileSizeLimit: {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{kFileSizeLimit, kFileSizeLimit};
        return setrlimit(RLIMIT_FSIZE, &limit) == 0 ? QString() : qt_error_string(errno);
    }
    case Setting::SmallDisk: {
        const QByteArray size = "size=" + QByteArray::number(kSmallDiskBytes);
        if (unshare(CLONE_NEWNS) == 0 &&
            mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
            mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, size.constData()) ==
                0)
            return {};
        return "cannot mount a small file system here: " + qt_error_string(errno);
    }
    case Setting::Unprivileged:
        if (geteuid() != 0 || (setgid(kNobody) == 0 && setuid(kNobody) == 0))
            return {};
        return "cannot become the user nobody: " + qt_error_string(errno);
    }
    return QStringLiteral("unknown setting");
}

} // namespace

// The child sends what the body returned, or why it could not run it, through a pipe.
Result run(Setting setting, const std::function<QString()>& body, const QString& folder)
{
    int channel[2];
    if (pipe(channel) != 0)
        return {"no pipe: " + qt_error_string(errno), {}};
    const pid_t child = fork();
    if (child < 0)
        return {"cannot fork: " + qt_error_string(errno), {}};
    if (child == 0) {
        ::close(channel[0]);
        const QString problem = apply(setting, folder);
        QFile out;
        if (out.open(channel[1], QIODevice::WriteOnly | QIODevice::Unbuffered))
            out.write((problem.isEmpty() ? body() : problem).toUtf8());
        _exit(problem.isEmpty() ? 0 : kSkipped);
    }
    ::close(channel[1]);
    QFile in;
    const QString text = in.open(channel[0], QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)
                             ? QString::fromUtf8(in.readAll())
                             : QString();
    int status = 0;
    waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == kSkipped)
        return {text, {}};
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {{}, QStringLiteral("child ended abnormally (status %1): ").arg(status) + text};
    return {{}, text};
}

} // namespace ForkedChild
