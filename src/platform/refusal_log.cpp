#include "platform/refusal_log.h"

namespace {

constexpr qint64 kRepeatSecs = 60;

} // namespace

bool RefusalRepeats::isNew(const QString& record, const QDateTime& now)
{
    // A clock set back counts as the minute gone.
    m_written.removeIf([&now](const auto& written) {
        const qint64 age = written.value().secsTo(now);
        return age >= kRepeatSecs || age < 0;
    });
    if (m_written.contains(record))
        return false;
    m_written.insert(record, now);
    return true;
}

namespace RefusalRecord {

namespace {

constexpr qsizetype kLongest = 300;

// Line breaks and other control characters would forge lines of their own.
QString oneLine(const QString& text)
{
    QString line = text.left(kLongest);
    for (QChar& c : line) {
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    }
    return text.size() > kLongest ? line + QStringLiteral("...") : line;
}

} // namespace

QString text(const QString& time, const QString& title, const QString& address,
             const QString& entry)
{
    QString line = QStringLiteral("%1 full-screen mode refused \"%2\" at %3")
                       .arg(time, oneLine(title), oneLine(address));
    if (!entry.isEmpty())
        line += QStringLiteral(", which holds the restricted entry \"%1\"").arg(oneLine(entry));
    return line;
}

} // namespace RefusalRecord
