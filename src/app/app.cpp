#include "app/app.h"

#include "browsing/fullscreen_toolbar.h"
#include "browsing/fullscreen_window.h"
#include "organizer/organizer_window.h"
#include "shell/main_frame.h"
#include "tools/about_box.h"
#include "tools/system_window.h"

App::App(PlatformServices services) : m_services(std::move(services)) {}

// The global windows go first (members are destroyed in reverse order): they use the services.
App::~App() = default;

MDIForm1& App::mdiForm1()
{
    return m_mdiForm1.get(*this);
}

MDIForm1* App::loadedMdiForm1() const
{
    return m_mdiForm1.loaded();
}

System& App::system()
{
    return m_system.get(*this);
}

System* App::loadedSystem() const
{
    return m_system.loaded();
}

frmAbout& App::frmAbout()
{
    return m_frmAbout.get(*this);
}

frmAbout* App::loadedFrmAbout() const
{
    return m_frmAbout.loaded();
}

Calender1& App::calender1()
{
    return m_calender1.get(*this);
}

Calender1* App::loadedCalender1() const
{
    return m_calender1.loaded();
}

Form1& App::form1()
{
    return m_form1.get(*this);
}

Form1* App::loadedForm1() const
{
    return m_form1.loaded();
}

Form2& App::form2()
{
    return m_form2.get(*this);
}

Form2* App::loadedForm2() const
{
    return m_form2.loaded();
}

void App::unload(QWidget& window)
{
    if (!window.close())
        return;
    m_mdiForm1.release(window);
    m_system.release(window);
    m_frmAbout.release(window);
    m_calender1.release(window);
    m_form1.release(window);
    m_form2.release(window);
}
