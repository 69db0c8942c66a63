#include "platform/startup_log.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QSet>

Q_LOGGING_CATEGORY(lcStartup, "brivola.startup", QtWarningMsg)

namespace StartupLog {

void milestone(const char* name)
{
    static QElapsedTimer sinceStart = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    static QSet<QByteArray> reached;
    if (reached.contains(name))
        return;
    reached.insert(name);
    qCInfo(lcStartup, "milestone \"%s\" at %lld ms, epoch %lld", name, sinceStart.elapsed(),
           QDateTime::currentMSecsSinceEpoch());
}

} // namespace StartupLog
