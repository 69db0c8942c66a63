#pragma once

// The desktop shell as the program knows it: "Inetcpl.cpl" opens the program's own Internet
// options.

#include "platform/shell.h"

#include <functional>

class DesktopShell : public Shell {
public:
    explicit DesktopShell(std::function<void()> openInternetOptions)
        : m_openInternetOptions(std::move(openInternetOptions))
    {
    }
    void openControlPanelItem(const QString& name) override;

private:
    std::function<void()> m_openInternetOptions;
};
