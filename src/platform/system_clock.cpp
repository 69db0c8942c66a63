#include "platform/system_clock.h"

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

QString SystemClock::longDate(const QDate& date) const
{
    return m_locale.toString(date, QLocale::LongFormat);
}

QString SystemClock::mediumTime(const QTime& time) const
{
    return m_locale.toString(time, QLocale::ShortFormat);
}

QString SystemClock::timeText(const QTime& time) const
{
    return m_locale.toString(time, timeFormatWithoutZone(m_locale));
}

QString SystemClock::timeFormatWithoutZone(const QLocale& locale)
{
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString result;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (quoted || c != QLatin1Char('t'))
            result += c;
    }
    return result.simplified();
}
