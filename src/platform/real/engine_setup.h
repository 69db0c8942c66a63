#pragma once

// What the web engine needs before the application object exists, and before its first page.

#include <QString>

namespace EngineSetup {

// The engine the program runs on, for "--version": "Qt WebEngine 6.4.2, Chromium 102.0.5005.177
// (security fixes of 108.0.5359.94)".
QString engineVersion();

// False when there is no display to show windows on.
bool displayAvailable();
// Says so, with the command that starts the program headless; the program is named as it was
// started, so that the command works as it stands.
QString noDisplayMessage(const char* program);
// Engine switches for the environment: no sandbox as root, no GPU without a display server.
// Returns whether the sandbox was turned off, which sandboxMessage() tells the user.
bool configure();
QString sandboxMessage();
// After the application object, before the first page: how pages reach the screen. Through
// OpenGL where a graphics card draws; where OpenGL itself runs in software (a virtual machine,
// a headless display), pages are painted in software instead, as Chromium does there.
void chooseCompositing();

} // namespace EngineSetup
