#pragma once

// The real services of a running program, over the user's own settings store.

#include "platform/platform_services.h"

PlatformServices realPlatform();
