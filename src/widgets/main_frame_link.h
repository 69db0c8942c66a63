#pragma once

// The main frame as the windows it opens see it: the organizer, System Information and the
// QuickNotes.

#include <QString>

class FileDialog;

class MainFrameLink {
public:
    virtual ~MainFrameLink() = default;
    // The frame takes no input while a window of its own keeps it waiting, and takes it again
    // when that window closes.
    virtual void setFrameEnabled(bool enabled) = 0;
    // A new browser window in the frame on the address, which its address box shows.
    virtual void openBrowser(const QString& address) = 0;
    // The save-file dialog every QuickNote uses, so that the name chosen last is offered again.
    virtual FileDialog& fileDialog() = 0;
    // False once the program ends on a termination signal: a window closing then asks nothing
    // and shows no message, as no one may be there to answer.
    virtual bool mayAsk() const = 0;
};
