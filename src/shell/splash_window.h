#pragma once

// The splash window shown while the program starts.

#include <QWidget>

class App;
class QFrame;
class QLabel;
class QTimer;

class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(App& app);

    QFrame* const Frame1;
    QLabel* const imgLogo;
    QLabel* const lblProductName;
    QLabel* const lblVersion;
    QLabel* const lblPlatform;
    QTimer* const Timer1;

public slots:
    // End of the splash: the main frame takes over.
    void Timer1_Timer();

private:
    void centreOnScreen();

    App& m_app;
};
