#pragma once

// The whole platform layer made of fakes, for an App under test.

#include "platform/platform_services.h"
#include "support/fake_browser_control.h"
#include "support/fake_browsing_memory.h"
#include "support/fake_file_dialog.h"
#include "support/fake_services.h"
#include "support/fake_settings_store.h"
#include "support/fake_system_info.h"

#include <utility>

class FakePlatform {
public:
    // Hands the fakes to an App; the pointers below stay valid while it lives.
    PlatformServices services() { return std::move(m_services); }

private:
    // A new fake in the service's place.
    template <class Fake, class Service> Fake* install(std::unique_ptr<Service>& slot)
    {
        slot = std::make_unique<Fake>();
        return static_cast<Fake*>(slot.get());
    }

    PlatformServices m_services; // first: the pointers below are made into it

public:
    FakeSettingsStore* settings = install<FakeSettingsStore>(m_services.settings);
    FakeMachineSettings* machine = install<FakeMachineSettings>(m_services.machine);
    FakeRefusalLog* refusalLog = install<FakeRefusalLog>(m_services.refusalLog);
    FakeBrowsingMemory* browsingMemory = install<FakeBrowsingMemory>(m_services.browsingMemory);
    FakeBrowserProfile* browsers = install<FakeBrowserProfile>(m_services.browsers);
    FakeMessageBox* messageBox = install<FakeMessageBox>(m_services.messageBox);
    FakeShell* shell = install<FakeShell>(m_services.shell);
    FakePrinter* printer = install<FakePrinter>(m_services.printer);
    FakeClock* clock = install<FakeClock>(m_services.clock);
    FakeProgramInfo* programInfo = install<FakeProgramInfo>(m_services.programInfo);
    FakeSystemInfo* systemInfo = install<FakeSystemInfo>(m_services.systemInfo);
    FakeFileDialogFactory* fileDialogs = install<FakeFileDialogFactory>(m_services.fileDialogs);
    FakeWindowSystem* windowSystem = install<FakeWindowSystem>(m_services.windowSystem);
};
