// Dragging a borderless window by any bare point of its surface: the
// system's own move loop, as if the point were the caption.
#pragma once

#include <windows.h>

namespace app {

// For WM_LBUTTONDOWN at `client` on the window's own surface; the caller
// lets default processing run afterwards.
void StartWindowDrag(HWND window, POINT client);

}  // namespace app
