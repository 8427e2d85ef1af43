// The work area of the monitor a window is on: the screen less the taskbar
// and other bars docked there.
#pragma once

#include "base/ScreenRect.h"

#include <windows.h>

namespace fw {

// Of the monitor `window` is on, or the nearest one when it is on none.
base::ScreenRect WorkAreaOf(HWND window);

// Moves `window` as little as it takes to lie wholly inside the work area of
// its monitor (see base::KeepInside); its size and z-order stay.
void KeepOnWorkArea(HWND window);

}  // namespace fw
