// The hidden window a network driver gets its events through, on the UI
// thread: message-only, its procedure finding `self` in GWLP_USERDATA.
#pragma once

#include <windows.h>

namespace news {

// Registers `className` with `proc` once and makes the window; null when it
// cannot be made.
HWND MakeMessageWindow(const char* className, WNDPROC proc, void* self);

}  // namespace news
