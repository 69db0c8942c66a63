#include "shell/app.h"

#include "browsing/fullscreen_toolbar.h"
#include "browsing/fullscreen_window.h"
#include "organizer/organizer_window.h"
#include "shell/main_frame.h"
#include "tools/about_box.h"
#include "tools/system_info_window.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace {

void bringToFront(QWidget& window)
{
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.raise();
    window.activateWindow();
}

} // namespace

App::App(PlatformServices services)
    : m_services(std::move(services)), m_mainFrame([this] { return new MainFrame(*this); }),
      m_systemInfoWindow([this] {
          const PlatformServices& s = m_services;
          MainFrame& frame = mainFrame();
          return new SystemInfoWindow(*s.systemInfo, *s.clock, *s.printer, *s.messageBox, frame,
                                      &frame);
      }),
      m_aboutBox([] { return new AboutBox; }), m_organizerWindow([this] {
          const PlatformServices& s = m_services;
          MainFrame& frame = mainFrame();
          return new OrganizerWindow(*s.settings, *s.messageBox, *s.printer, *s.clock, frame,
                                     &frame);
      }),
      m_fullScreenToolbar([this](BrowserControl& page) {
          return new FullScreenToolbar(page, *m_services.messageBox, *m_services.programInfo);
      }),
      m_fullScreenWindow([this] {
          const PlatformServices& s = m_services;
          return new FullScreenWindow(*s.browsers, *s.settings, *s.machine, *s.refusalLog,
                                      *s.messageBox, *s.programInfo, *s.windowSystem,
                                      m_fullScreenToolbar);
      })
{
    // The program ends when the frame unloads, never because some other window closed last
    // while the frame was hidden.
    QGuiApplication::setQuitOnLastWindowClosed(false);
}

// The global windows go first (members are destroyed in reverse order): they use the services.
App::~App() = default;

MainFrame& App::mainFrame()
{
    return m_mainFrame.get();
}

SystemInfoWindow& App::systemInfoWindow()
{
    return m_systemInfoWindow.get();
}

AboutBox& App::aboutBox()
{
    return m_aboutBox.get();
}

OrganizerWindow& App::organizerWindow()
{
    return m_organizerWindow.get();
}

FullScreenWindow& App::fullScreenWindow()
{
    return m_fullScreenWindow.get();
}

void App::frameShown()
{
    m_frameShown = true;
    if (!m_waitingAddresses.isEmpty())
        openFromOutside(std::exchange(m_waitingAddresses, {}));
}

void App::openFromOutside(const QStringList& addresses)
{
    if (m_fullScreenWindow.isLoaded() && fullScreenWindow().isVisible()) {
        FullScreenWindow& fullScreen = fullScreenWindow();
        fullScreen.openFromOutside(addresses.value(0));
        bringToFront(fullScreen);
        return;
    }
    if (!m_frameShown) {
        m_waitingAddresses += addresses;
        return;
    }
    MainFrame& frame = mainFrame();
    for (const QString& address : addresses)
        frame.openBrowser(address);
    bringToFront(frame);
}

void App::exitWithoutQuestions()
{
    if (!m_mainFrame.isLoaded()) { // the splash still shows
        QCoreApplication::exit(0);
        return;
    }
    MainFrame& frame = mainFrame();
    frame.stopAsking();
    if (m_fullScreenWindow.isLoaded())
        m_fullScreenWindow.get().leaveWithoutQuestions();
    m_systemInfoWindow.unload();
    m_organizerWindow.unload();
    // An organizer that could not save stays open, and the frame waits for it.
    const bool closed = !m_organizerWindow.isLoaded() && frame.close();
    QCoreApplication::exit(closed ? 0 : 1);
}
