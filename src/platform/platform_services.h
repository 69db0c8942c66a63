#pragma once

// The services through which the program reaches the outside world.

#include "core/machine_settings.h"
#include "core/settings_store.h"
#include "platform/browser_profile.h"
#include "platform/browsing_memory.h"
#include "platform/clock.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "platform/printer.h"
#include "platform/program_info.h"
#include "platform/refusal_log.h"
#include "platform/shell.h"
#include "platform/system_info.h"
#include "platform/window_system.h"

#include <memory>

struct PlatformServices {
    std::unique_ptr<SettingsStore> settings;
    // What the administrator set for the machine: its list, the passphrase, the start mode.
    std::unique_ptr<MachineSettingsSource> machine;
    std::unique_ptr<RefusalLog> refusalLog;
    // Before the profile, which uses it, so that it goes after it.
    std::unique_ptr<BrowsingMemory> browsingMemory;
    std::unique_ptr<BrowserProfile> browsers;
    std::unique_ptr<MessageBox> messageBox;
    std::unique_ptr<Shell> shell;
    std::unique_ptr<Printer> printer;
    std::unique_ptr<Clock> clock;
    std::unique_ptr<ProgramInfo> programInfo;
    std::unique_ptr<SystemInfo> systemInfo;
    std::unique_ptr<FileDialogFactory> fileDialogs;
    std::unique_ptr<WindowSystem> windowSystem;
};
