#pragma once

// The application object: it owns the platform services and the program's global windows, and
// hands each window the collaborators it uses when it loads.

#include "browsing/fullscreen_window.h"
#include "platform/platform_services.h"
#include "widgets/global_window.h"

#include <QStringList>

class AboutBox;
class MainFrame;
class OrganizerWindow;
class SystemInfoWindow;

class App {
public:
    explicit App(PlatformServices services);
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    const PlatformServices& services() const { return m_services; }

    // The global windows load, hidden, on first reference.
    MainFrame& mainFrame();
    SystemInfoWindow& systemInfoWindow();
    AboutBox& aboutBox();
    // Loading the organizer reads the settings store and raises DamagedStoreError when its data
    // there is damaged.
    OrganizerWindow& organizerWindow();
    FullScreenWindow& fullScreenWindow();

    // The splash has shown the frame (or full-screen mode): the addresses handed over
    // meanwhile open now.
    void frameShown();
    // Addresses from outside (the command line's "--new-window", another start of the program):
    // each opens in a new browser window and the frame comes to the front; with none, the frame
    // only comes to the front. In full-screen mode the first goes to the full-screen window.
    // Before the frame shows, they wait for it.
    void openFromOutside(const QStringList& addresses);
    // Ends the program as File > Exit does, but nothing asks: the full-screen window, System
    // Information and the organizer (which saves) close, then the frame with its windows. The
    // exit status is 0, or 1 when the organizer could not save (it says why on standard error).
    void exitWithoutQuestions();

private:
    bool m_frameShown = false;
    QStringList m_waitingAddresses;
    PlatformServices m_services;
    // The frame goes last: the windows it opened hold it.
    GlobalWindow<MainFrame> m_mainFrame;
    GlobalWindow<SystemInfoWindow> m_systemInfoWindow;
    GlobalWindow<AboutBox> m_aboutBox;
    GlobalWindow<OrganizerWindow> m_organizerWindow;
    // The toolbar outlives the full-screen window that loads and unloads it.
    ToolbarWindow m_fullScreenToolbar;
    GlobalWindow<FullScreenWindow> m_fullScreenWindow;
};
