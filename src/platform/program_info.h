#pragma once

// What the program knows about itself: its command line, its directory, the screen.

#include <QSize>
#include <QString>

class QWidget;

class ProgramInfo {
public:
    virtual ~ProgramInfo() = default;
    // Every argument after the program's name, joined by single spaces, less the first "--".
    virtual QString commandLine() const = 0;
    // The executable's directory, in the platform's notation, without a trailing separator
    // except at a root.
    virtual QString programDirectory() const = 0;
    // The size of the screen the window is on (the primary screen without one), in twips.
    virtual QSize screenSizeTwips(const QWidget* window = nullptr) const = 0;
};
