#pragma once
// The backend of a real window on the system the program was built for: SDL2
// on Linux (sdl_backend.h), the Win32 API on Windows (win32_backend.h).

#include "platform/platform.h"

namespace platform {

// The one window backend of the process; `windowed` asks for an ordinary
// 1024 x 768 window (scaled by whole factors) instead of the full screen.
Backend& WindowBackend(bool windowed);

}  // namespace platform
