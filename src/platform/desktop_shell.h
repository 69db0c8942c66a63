#pragma once

// The shell of this program: "Inetcpl.cpl" opens its own Internet options dialog.

#include "platform/shell.h"

class SettingsStore;

class DesktopShell : public Shell {
public:
    explicit DesktopShell(SettingsStore& settings) : m_settings(settings) {}
    void ControlPanelItem(const QString& name) override;

private:
    SettingsStore& m_settings;
};
