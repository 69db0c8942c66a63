#include "platform/real/system_clock.h"

#include <QRegularExpression>

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
    return m_locale.toString(time, timeFormatWithoutSeconds(m_locale));
}

QString SystemClock::timeText(const QTime& time) const
{
    return m_locale.toString(time, timeFormatWithoutZone(m_locale));
}

QString SystemClock::timeFormatWithoutSeconds(const QLocale& locale)
{
    QString format = locale.timeFormat(QLocale::ShortFormat);
    format.remove(QRegularExpression(QStringLiteral("[:.]?s{1,2}")));
    return format.simplified();
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
    // Some locales put the zone in parentheses ("H:mm:ss (t)").
    result.remove(QStringLiteral("()"));
    return result.simplified();
}
