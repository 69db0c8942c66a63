#pragma once

// The time of day and its named text formats.

#include <QDateTime>
#include <QString>

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    virtual QString longDate(const QDate& date) const = 0;   // "Long Date"
    virtual QString mediumTime(const QTime& time) const = 0; // "Medium Time"
    virtual QString timeText(const QTime& time) const = 0;   // the default time format
};
