#include "shell/app.h"

#include "browsing/fullscreen_toolbar.h"
#include "browsing/fullscreen_window.h"
#include "organizer/organizer_window.h"
#include "shell/main_frame.h"
#include "tools/about_box.h"
#include "tools/system_info_window.h"

#include <QGuiApplication>

App::App(PlatformServices services)
    : m_services(std::move(services)), m_mdiForm1([this] { return new MDIForm1(*this); }),
      m_system([this] {
          const PlatformServices& s = m_services;
          return new System(*s.systemInfo, *s.clock, *s.printer, *s.messageBox, mdiForm1());
      }),
      m_frmAbout([] { return new ::frmAbout; }), m_calender1([this] {
          const PlatformServices& s = m_services;
          return new Calender1(*s.settings, *s.messageBox, *s.printer, *s.clock, mdiForm1());
      }),
      m_form2([this](BrowserControl& page) {
          return new Form2(page, *m_services.messageBox, *m_services.programInfo);
      }),
      m_form1([this] {
          const PlatformServices& s = m_services;
          return new Form1(*s.browsers, *s.settings, *s.systemSettings, *s.messageBox,
                           *s.programInfo, *s.windowSystem, m_form2);
      })
{
    // The program ends when the frame unloads, never because some other window closed last
    // while the frame was hidden.
    QGuiApplication::setQuitOnLastWindowClosed(false);
}

// The global windows go first (members are destroyed in reverse order): they use the services.
App::~App() = default;

MDIForm1& App::mdiForm1()
{
    return m_mdiForm1.get();
}

System& App::system()
{
    return m_system.get();
}

frmAbout& App::frmAbout()
{
    return m_frmAbout.get();
}

Calender1& App::calender1()
{
    return m_calender1.get();
}

Form1& App::form1()
{
    return m_form1.get();
}
