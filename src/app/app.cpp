#include "app/app.h"

#include "browsing/fullscreen_toolbar.h"
#include "browsing/fullscreen_window.h"
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
    m_form1.release(window);
    m_form2.release(window);
}
