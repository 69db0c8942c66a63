#pragma once

// What the web engine needs before the application object exists.

namespace EngineSetup {

// Returns false, having said why on standard error, when there is no display to show windows on.
bool displayAvailable();
// Engine switches for the environment: no sandbox as root, no GPU without a display server.
void configure();

} // namespace EngineSetup
