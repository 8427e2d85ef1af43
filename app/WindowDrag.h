// Dragging a borderless window by any bare point of its surface: the
// system's own move loop, as if the point were the caption.
#pragma once

#include <windows.h>

namespace app {

// For WM_LBUTTONDOWN on the window's own surface: runs the move loop until
// the button is released; the caller lets default processing run afterwards.
void StartWindowDrag(HWND window, POINT client);

}  // namespace app
