#include "shell/splash_window.h"

#include "core/twips.h"
#include "platform/startup_log.h"
#include "shell/app.h"
#include "shell/main_frame.h"
#include "widgets/colors.h"
#include "widgets/fonts.h"
#include "widgets/icons.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

namespace {

constexpr int kFrameLoadsEarlierMs = 3000 - 400;

QLabel* label(const QString& text, const QFont& font, const QRect& geometry, QWidget* parent)
{
    auto* result = new QLabel(text, parent);
    result->setFont(font);
    result->setGeometry(geometry);
    return result;
}

} // namespace

frmSplash::frmSplash(App& app)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), Frame1(new QFrame(this)),
      imgLogo(new QLabel(Frame1)),
      lblProductName(label(QStringLiteral("Brivola"), arial(32.25, true),
                           Twips::rect(2400, 900, 4400, 900), Frame1)),
      lblVersion(label(QStringLiteral("Version 2.0"), arial(12, true),
                       Twips::rect(2400, 1900, 4400, 400), Frame1)),
      lblPlatform(label(QStringLiteral("For Windows 95"), arial(15.75, true),
                        Twips::rect(2400, 2500, 4400, 500), Frame1)),
      Timer1(new QTimer(this)), m_app(app)
{
    setObjectName(QStringLiteral("frmSplash"));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    lblProductName->setObjectName(QStringLiteral("lblProductName"));
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblPlatform->setObjectName(QStringLiteral("lblPlatform"));
    Timer1->setObjectName(QStringLiteral("Timer1"));

    setFixedSize(Twips::toPixels(QSize(7380, 4245)));
    setBackground(this, Qt::black);
    setTextColor(this, Qt::white);
    Frame1->setGeometry(Twips::rect(150, 60, 7080, 4050));
    Frame1->setFrameStyle(QFrame::Box | QFrame::Plain);
    imgLogo->setGeometry(Twips::rect(240, 795, 1815, 2385));
    imgLogo->setPixmap(programIcon().pixmap(imgLogo->size()));
    imgLogo->setScaledContents(true);
    centreOnScreen();

    Timer1->setInterval(3000);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
    Timer1->start();
    // The frame loads, hidden, shortly before the splash ends: its first page then loads while
    // the splash still shows, and is there when the frame appears. Too short a time for its
    // clocks to have ticked.
    QTimer::singleShot(kFrameLoadsEarlierMs, this, [this] { m_app.mdiForm1(); });
}

void frmSplash::Timer1_Timer()
{
    // The frame shows before the splash goes, so the program never has no window at all.
    m_app.mdiForm1().showMaximized();
    StartupLog::milestone("frame shown");
    close();
}

void frmSplash::centreOnScreen()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}
