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
    case Setting::AsIs:
        return {};
    case Setting::FileSizeLimit: {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{kFileSizeLimit, kFileSizeLimit};
        return setrlimit(RLIMIT_FSIZE, &limit) == 0 ? QString() : qt_error_string(errno);
    }
    case Setting::SmallDisk: {
        const QByteArray size = "size=" + QByteArray::number(kSmallDiskBytes);
        if (unshare(CLONE_NEWNS) != 0 ||
            mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, size.constData()) !=
                0)
            return QStringLiteral("cannot mount a small file system here: ") +
                   qt_error_string(errno);
        return {};
    }
    case Setting::Unprivileged:
        if (geteuid() != 0)
            return {};
        if (setgid(kNobody) != 0 || setuid(kNobody) != 0)
            return QStringLiteral("cannot become the user nobody: ") + qt_error_string(errno);
        return {};
    }
    return QStringLiteral("unknown setting");
}

void sendAll(int fd, const QByteArray& bytes)
{
    for (qsizetype sent = 0; sent < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + sent, size_t(bytes.size() - sent));
        if (n <= 0)
            return;
        sent += n;
    }
}

QByteArray receiveAll(int fd)
{
    QByteArray bytes;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, n);
    return bytes;
}

} // namespace

Result run(Setting setting, const std::function<QString()>& body, const QString& folder)
{
    int channel[2];
    if (pipe(channel) != 0)
        return {QStringLiteral("no pipe: ") + qt_error_string(errno), {}};
    const pid_t child = fork();
    if (child < 0)
        return {QStringLiteral("cannot fork: ") + qt_error_string(errno), {}};
    if (child == 0) {
        ::close(channel[0]);
        const QString problem = apply(setting, folder);
        sendAll(channel[1], (problem.isEmpty() ? body() : problem).toUtf8());
        _exit(problem.isEmpty() ? 0 : kSkipped);
    }
    ::close(channel[1]);
    const QString text = QString::fromUtf8(receiveAll(channel[0]));
    ::close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == kSkipped)
        return {text, {}};
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {{}, QStringLiteral("child ended abnormally (status %1): ").arg(status) + text};
    return {{}, text};
}

} // namespace ForkedChild
