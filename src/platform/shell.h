#pragma once

// The desktop shell: opens control panel items such as the Internet options.

#include <QString>

class Shell {
public:
    inline static const QString kInternetOptions = QStringLiteral("Inetcpl.cpl");

    virtual ~Shell() = default;
    // Names the shell does not know open nothing.
    virtual void openControlPanelItem(const QString& name) = 0;
};
