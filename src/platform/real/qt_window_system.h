#pragma once

// Window-system requests through Qt's window flags and window handles.

#include "platform/window_system.h"

class QtWindowSystem : public WindowSystem {
public:
    void makeTopmost(QWidget& window, QWidget& owner) override;
};
