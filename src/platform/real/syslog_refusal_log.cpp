#include "platform/real/syslog_refusal_log.h"

#include <QDateTime>

#include <syslog.h>

void SyslogRefusalLog::record(const QString& title, const QString& address, const QString& entry)
{
    static const bool opened = [] {
        ::openlog("brivola", LOG_PID, LOG_USER);
        return true;
    }();
    (void)opened;
    const QString line = RefusalRecord::text(QDateTime::currentDateTime().toString(Qt::ISODate),
                                             title, address, entry);
    ::syslog(LOG_NOTICE, "%s", line.toUtf8().constData());
}
