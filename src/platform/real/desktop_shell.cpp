#include "platform/real/desktop_shell.h"

void DesktopShell::ControlPanelItem(const QString& name)
{
    if (name.compare(kInternetOptions, Qt::CaseInsensitive) == 0)
        m_openInternetOptions();
}
