#pragma once

// Requests to the window system beyond showing and hiding a window.

class QWidget;

class WindowSystem {
public:
    virtual ~WindowSystem() = default;
    // Shows the window above every other window, and above its owner also while the owner
    // covers the whole screen, until it closes. Raises PlatformError when the window system
    // refuses.
    virtual void makeTopmost(QWidget& window, QWidget& owner) = 0;
};
