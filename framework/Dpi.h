// The DPI a window is drawn at, and what follows from it.
#pragma once

#include "base/DpiScale.h"

#include <windows.h>

namespace fw {

// The window's own DPI where the system keeps one per window (Windows 10
// 1607 and later, looked up at run time); otherwise the screen's
// LOGPIXELSX, which is then the DPI of every window.
int WindowDpi(HWND window);

inline base::DpiScale ScaleOf(HWND window) { return {WindowDpi(window)}; }

}  // namespace fw
