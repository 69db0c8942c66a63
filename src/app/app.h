#pragma once

// The application object: the platform services and the program's global windows.

#include "app/global_window.h"
#include "app/platform_services.h"

class Calender1;
class Form1;
class Form2;
class MDIForm1;
class System;
class frmAbout;

class App {
public:
    explicit App(PlatformServices services);
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    SettingsStore& settings() const { return *m_services.settings; }
    BrowserFactory& browsers() const { return *m_services.browsers; }
    MessageBox& messageBox() const { return *m_services.messageBox; }
    Shell& shell() const { return *m_services.shell; }
    Printer& printer() const { return *m_services.printer; }
    const Clock& clock() const { return *m_services.clock; }
    const ProgramInfo& programInfo() const { return *m_services.programInfo; }
    const SystemInfo& systemInfo() const { return *m_services.systemInfo; }
    FileDialogFactory& fileDialogs() const { return *m_services.fileDialogs; }
    WindowSystem& windowSystem() const { return *m_services.windowSystem; }

    // Global windows load, hidden, on first reference.
    MDIForm1& mdiForm1();
    // The frame when it is loaded, without loading it.
    MDIForm1* loadedMdiForm1() const;
    System& system();
    System* loadedSystem() const;
    ::frmAbout& frmAbout();
    ::frmAbout* loadedFrmAbout() const;
    // The organizer; loading it reads the settings store and raises DamagedStoreError when
    // its data there is damaged.
    Calender1& calender1();
    Calender1* loadedCalender1() const;
    Form1& form1();
    Form1* loadedForm1() const;
    Form2& form2();
    Form2* loadedForm2() const;

    // Closes a window, running its unload handler; a global window is then discarded.
    void unload(QWidget& window);

private:
    PlatformServices m_services;
    GlobalWindow<MDIForm1> m_mdiForm1;
    GlobalWindow<System> m_system;
    GlobalWindow<::frmAbout> m_frmAbout;
    GlobalWindow<Calender1> m_calender1;
    GlobalWindow<Form1> m_form1;
    GlobalWindow<Form2> m_form2;
};
