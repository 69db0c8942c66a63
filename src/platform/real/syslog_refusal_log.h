#pragma once

// Refusals go to the system log through syslog(3), identifier "brivola", where the journal keeps
// them (journalctl -t brivola).

#include "platform/refusal_log.h"

class SyslogRefusalLog : public RefusalLog {
public:
    void record(const QString& title, const QString& address, const QString& entry) override;

private:
    RefusalRepeats m_repeats;
};
