#pragma once

// The splash window shown while the program starts.

#include <QWidget>

class App;
class QFrame;
class QLabel;
class QTimer;

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(App& app);

    QFrame* const border;
    QLabel* const logo;
    QLabel* const productNameLabel;
    QLabel* const versionLabel;
    QLabel* const platformLabel;
    QTimer* const handOverTimer;

public slots:
    // End of the splash: the main frame takes over.
    void handOver();

private:
    void centreOnScreen();

    App& m_app;
};
