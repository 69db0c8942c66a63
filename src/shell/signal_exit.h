#pragma once

// SIGTERM, SIGHUP and SIGINT end the program as File > Exit does, asking nothing: at logout
// or shutdown, what the user typed and what sites set is saved as at any other exit.

#include <QObject>

class App;

class SignalExit : public QObject {
    Q_OBJECT
public:
    // After the application object: the web engine, which it starts, resets the signals.
    explicit SignalExit(App& app);

private:
    void endProgram();

    App& m_app;
    bool m_ending = false;
};
