#pragma once

// The whole platform layer made of fakes, for an App under test.

#include "platform/platform_services.h"
#include "support/fake_browser_control.h"
#include "support/fake_file_dialog.h"
#include "support/fake_services.h"
#include "support/fake_settings_store.h"
#include "support/fake_system_info.h"

class FakePlatform {
public:
    FakePlatform();

    // Hands the fakes to an App; the pointers below stay valid while it lives.
    PlatformServices services();

private:
    PlatformServices m_services; // first: the pointers below are made into it

public:
    FakeSettingsStore* settings;
    FakeSettingsStore* systemSettings;
    FakeBrowserProfile* browsers;
    FakeMessageBox* messageBox;
    FakeShell* shell;
    FakePrinter* printer;
    FakeClock* clock;
    FakeProgramInfo* programInfo;
    FakeSystemInfo* systemInfo;
    FakeFileDialogFactory* fileDialogs;
    FakeWindowSystem* windowSystem;
};
