#pragma once

// Where full-screen mode records what it refused, for a parent to read and out of the child's
// reach: the system log.

#include <QDateTime>
#include <QHash>
#include <QString>

class RefusalLog {
public:
    virtual ~RefusalLog() = default;

    // One refused page: its title, its address and the entry that matched (empty when the
    // machine's list could not be read, or the address itself was refused). Never the page's
    // content.
    virtual void record(const QString& title, const QString& address, const QString& entry) = 0;
};

// Which refusals are worth a line of their own: not the same refusal again within a minute of
// the line written for it, since a page's script can ask for a refused address many times a
// second. A refusal that goes on is written again once a minute.
class RefusalRepeats {
public:
    bool isNew(const QString& record, const QDateTime& now);

private:
    QHash<QString, QDateTime> m_written; // the last minute's records, by when they were written
};

namespace RefusalRecord {

// The line the log keeps, on one line however the texts are made, cut to a length a log takes.
QString text(const QString& time, const QString& title, const QString& address,
             const QString& entry);

} // namespace RefusalRecord
