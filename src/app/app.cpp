#include "app/app.h"

#include "organizer/organizer_window.h"
#include "shell/main_frame.h"

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

Calender1& App::calender1()
{
    return m_calender1.get(*this);
}

Calender1* App::loadedCalender1() const
{
    return m_calender1.loaded();
}

void App::unload(QWidget& window)
{
    if (!window.close())
        return;
    m_mdiForm1.release(window);
    m_calender1.release(window);
}
