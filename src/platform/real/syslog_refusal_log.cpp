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
    const QDateTime now = QDateTime::currentDateTime();
    if (!m_repeats.isNew(RefusalRecord::text({}, title, address, entry), now))
        return;
    const QString line = RefusalRecord::text(now.toString(Qt::ISODate), title, address, entry);
    ::syslog(LOG_NOTICE, "%s", line.toUtf8().constData());
}
