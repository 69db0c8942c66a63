#include "support/fake_platform.h"

#include <utility>

namespace {

template <class Fake, class Interface> Fake* install(std::unique_ptr<Interface>& slot)
{
    auto fake = std::make_unique<Fake>();
    Fake* raw = fake.get();
    slot = std::move(fake);
    return raw;
}

} // namespace

FakePlatform::FakePlatform()
    : settings(install<FakeSettingsStore>(m_services.settings)),
      systemSettings(install<FakeSettingsStore>(m_services.systemSettings)),
      browsers(install<FakeBrowserProfile>(m_services.browsers)),
      messageBox(install<FakeMessageBox>(m_services.messageBox)),
      shell(install<FakeShell>(m_services.shell)),
      printer(install<FakePrinter>(m_services.printer)),
      clock(install<FakeClock>(m_services.clock)),
      programInfo(install<FakeProgramInfo>(m_services.programInfo)),
      systemInfo(install<FakeSystemInfo>(m_services.systemInfo)),
      fileDialogs(install<FakeFileDialogFactory>(m_services.fileDialogs)),
      windowSystem(install<FakeWindowSystem>(m_services.windowSystem))
{
}

PlatformServices FakePlatform::services()
{
    return std::move(m_services);
}
