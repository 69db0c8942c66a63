#include "shell/real_platform.h"

#include "browsing/internet_options_dialog.h"
#include "platform/real/application_program_info.h"
#include "platform/real/desktop_shell.h"
#include "platform/real/machine_settings_files.h"
#include "platform/real/qt_file_dialog.h"
#include "platform/real/qt_message_box.h"
#include "platform/real/qt_printer.h"
#include "platform/real/qt_settings_store.h"
#include "platform/real/qt_window_system.h"
#include "platform/real/sqlite_browsing_memory.h"
#include "platform/real/syslog_refusal_log.h"
#include "platform/real/system_clock.h"
#include "platform/real/webengine_profile.h"

#include <QApplication>

#ifdef Q_OS_WIN
#include "platform/real/windows_system_info.h"
using MachineInfo = WindowsSystemInfo;
#else
#include "platform/real/linux_system_info.h"
using MachineInfo = LinuxSystemInfo;
#endif

PlatformServices realPlatform()
{
    PlatformServices services;
    services.settings = std::make_unique<QtSettingsStore>();
    services.machine = std::make_unique<MachineSettingsFiles>();
    services.refusalLog = std::make_unique<SyslogRefusalLog>();
    services.messageBox = std::make_unique<QtMessageBox>();
    services.fileDialogs = std::make_unique<QtFileDialogFactory>();
    services.browsingMemory = std::make_unique<SqliteBrowsingMemory>(
        SqliteBrowsingMemory::defaultPath(), *services.messageBox);
    // The engine's profile starts here, before any window, and warms up while the splash shows.
    auto profile = std::make_unique<WebEngineProfile>(*services.settings, *services.browsingMemory,
                                                      *services.messageBox, *services.fileDialogs);
    profile->warmUp();
    services.browsers = std::move(profile);
    services.shell = std::make_unique<DesktopShell>([settings = services.settings.get(),
                                                     profile = services.browsers.get(),
                                                     memory = services.browsingMemory.get()] {
        InternetOptionsDialog dialog(*settings, *profile, *memory, QApplication::activeWindow());
        dialog.exec();
    });
    services.printer = std::make_unique<QtPrinter>();
    services.clock = std::make_unique<SystemClock>();
    services.programInfo = std::make_unique<ApplicationProgramInfo>();
    services.systemInfo = std::make_unique<MachineInfo>();
    services.windowSystem = std::make_unique<QtWindowSystem>();
    return services;
}
