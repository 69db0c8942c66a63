#pragma once

// The web engine's profile: what it keeps for the user from one session to the next, shared by
// every browser control it makes, and the files it saves for them.

#include "platform/browser_control.h"
#include "platform/download.h"

#include <QObject>

class BrowserProfile : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual BrowserControl* createBrowser(QWidget* parent) = 0;
    // Empties the cache, the cookies, the history and what sites stored.
    virtual void clearBrowsingData() = 0;

signals:
    // The user chose where to save a file and it is on its way; the profile owns the download.
    void downloadStarted(Download* download);
};
