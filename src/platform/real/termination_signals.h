#pragma once

// SIGTERM (logout, shutdown, kill), SIGHUP (the terminal went) and SIGINT (Ctrl+C), caught
// outside Qt: the handler only writes the signal's number into a pipe, whose reading end the
// event loop watches. One object at a time; the signals' default handling returns with it.

#include <QObject>

class TerminationSignals : public QObject {
    Q_OBJECT
public:
    // Takes over the signals. The web engine resets them as it starts, so this comes after.
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void received(int signal);

private:
    void readSignals();
};
