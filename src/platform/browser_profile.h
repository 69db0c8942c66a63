#pragma once

// The web engine's profile: what it keeps for the user from one session to the next, shared by
// every browser control it makes.

#include "platform/browser_control.h"

class BrowserProfile {
public:
    virtual ~BrowserProfile() = default;
    virtual BrowserControl* createBrowser(QWidget* parent) = 0;
    // Empties the cache, the cookies, the history and what sites stored.
    virtual void clearBrowsingData() = 0;
};
