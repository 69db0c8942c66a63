#include "app/platform_services.h"
#include "platform/application_program_info.h"
#include "platform/desktop_shell.h"
#include "platform/qt_file_dialog.h"
#include "platform/qt_message_box.h"
#include "platform/qt_printer.h"
#include "platform/qt_settings_store.h"
#include "platform/qt_window_system.h"
#include "platform/system_clock.h"
#include "platform/webengine_browser.h"

#ifdef Q_OS_WIN
#include "platform/windows_system_info.h"
using MachineInfo = WindowsSystemInfo;
#else
#include "platform/linux_system_info.h"
using MachineInfo = LinuxSystemInfo;
#endif

PlatformServices realPlatform()
{
    PlatformServices services;
    services.settings = std::make_unique<QtSettingsStore>();
    services.browsers = std::make_unique<WebEngineBrowserFactory>(*services.settings);
    services.messageBox = std::make_unique<QtMessageBox>();
    services.shell = std::make_unique<DesktopShell>(*services.settings);
    services.printer = std::make_unique<QtPrinter>();
    services.clock = std::make_unique<SystemClock>();
    services.programInfo = std::make_unique<ApplicationProgramInfo>();
    services.systemInfo = std::make_unique<MachineInfo>();
    services.fileDialogs = std::make_unique<QtFileDialogFactory>();
    services.windowSystem = std::make_unique<QtWindowSystem>();
    return services;
}
