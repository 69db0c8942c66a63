#include "platform/desktop_shell.h"

#include "platform/internet_options_dialog.h"

#include <QApplication>

void DesktopShell::ControlPanelItem(const QString& name)
{
    if (name.compare(kInternetOptions, Qt::CaseInsensitive) != 0)
        return;
    InternetOptionsDialog dialog(m_settings, QApplication::activeWindow());
    dialog.exec();
}
