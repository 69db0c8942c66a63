#pragma once

// The system clock, with formats from the user's locale.

#include "platform/clock.h"

#include <QLocale>

class SystemClock : public Clock {
public:
    QDateTime now() const override;
    QString longDate(const QDate& date) const override;
    QString mediumTime(const QTime& time) const override;
    QString timeText(const QTime& time) const override;

    // The locale's long time format without its time zone: hours, minutes and seconds.
    static QString timeFormatWithoutZone(const QLocale& locale);
    // The locale's short time format without seconds, which some locales put in it.
    static QString timeFormatWithoutSeconds(const QLocale& locale);

private:
    QLocale m_locale = QLocale::system();
};
