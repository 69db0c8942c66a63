#pragma once

// The application object: it owns the platform services and the program's global windows, and
// hands each window the collaborators it uses when it loads.

#include "browsing/fullscreen_window.h"
#include "platform/platform_services.h"
#include "widgets/global_window.h"

class Calender1;
class MDIForm1;
class System;
class frmAbout;

class App {
public:
    explicit App(PlatformServices services);
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    const PlatformServices& services() const { return m_services; }

    // The global windows load, hidden, on first reference.
    MDIForm1& mdiForm1();
    System& system();
    ::frmAbout& frmAbout();
    // Loading the organizer reads the settings store and raises DamagedStoreError when its data
    // there is damaged.
    Calender1& calender1();
    Form1& form1();

private:
    PlatformServices m_services;
    // The frame goes last: the windows it opened hold it.
    GlobalWindow<MDIForm1> m_mdiForm1;
    GlobalWindow<System> m_system;
    GlobalWindow<::frmAbout> m_frmAbout;
    GlobalWindow<Calender1> m_calender1;
    // The toolbar outlives the full-screen window that loads and unloads it.
    ToolbarWindow m_form2;
    GlobalWindow<Form1> m_form1;
};
