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

SplashWindow::SplashWindow(App& app)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), border(new QFrame(this)),
      logo(new QLabel(border)),
      productNameLabel(label(QStringLiteral("Brivola"), arial(32.25, true),
                             Twips::rect(2400, 900, 4400, 900), border)),
      versionLabel(
          label(tr("Version 2.0"), arial(12, true), Twips::rect(2400, 1900, 4400, 400), border)),
      platformLabel(label(tr("For Windows 95"), arial(15.75, true),
                          Twips::rect(2400, 2500, 4400, 500), border)),
      handOverTimer(new QTimer(this)), m_app(app)
{
    setObjectName(QStringLiteral("SplashWindow"));
    border->setObjectName(QStringLiteral("border"));
    logo->setObjectName(QStringLiteral("logo"));
    productNameLabel->setObjectName(QStringLiteral("productNameLabel"));
    versionLabel->setObjectName(QStringLiteral("versionLabel"));
    platformLabel->setObjectName(QStringLiteral("platformLabel"));
    handOverTimer->setObjectName(QStringLiteral("handOverTimer"));

    setFixedSize(Twips::toPixels(QSize(7380, 4245)));
    setBackground(this, Qt::black);
    setTextColor(this, Qt::white);
    border->setGeometry(Twips::rect(150, 60, 7080, 4050));
    border->setFrameStyle(QFrame::Box | QFrame::Plain);
    logo->setGeometry(Twips::rect(240, 795, 1815, 2385));
    logo->setPixmap(programIcon().pixmap(logo->size()));
    logo->setScaledContents(true);
    centreOnScreen();

    handOverTimer->setInterval(3000);
    handOverTimer->setSingleShot(true);
    connect(handOverTimer, &QTimer::timeout, this, &SplashWindow::handOver);
    handOverTimer->start();
    // The frame loads, hidden, shortly before the splash ends: its first page then loads while
    // the splash still shows, and is there when the frame appears. Too short a time for its
    // clocks to have ticked.
    QTimer::singleShot(kFrameLoadsEarlierMs, this, [this] { m_app.mainFrame(); });
}

void SplashWindow::handOver()
{
    // The frame shows before the splash goes, so the program never has no window at all. A
    // machine set to start in full-screen mode shows that instead, so that a child's login
    // starts there; so does one whose settings cannot be read, as they may say so.
    const MachineSettings machine = m_app.services().machine->read();
    if (machine.startFullScreen || !machine.fileRead)
        m_app.mainFrame().startInFullScreen();
    else
        m_app.mainFrame().showMaximized();
    m_app.frameShown();
    StartupLog::milestone("frame shown");
    close();
}

void SplashWindow::centreOnScreen()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}
