#include "platform/real/desktop_shell.h"

void DesktopShell::openControlPanelItem(const QString& name)
{
    if (name.compare(kInternetOptions, Qt::CaseInsensitive) == 0)
        m_openInternetOptions();
}
