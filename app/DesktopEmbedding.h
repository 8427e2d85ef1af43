// Settling the main window into the shell's desktop icon view, so that it
// is drawn with the desktop below every application window.
#pragma once

#include <windows.h>

namespace app {

// One attempt over every top-level window; the last qualifying desktop in
// enumeration order becomes the parent. True only when the window's parent
// is now a desktop view.
bool TryEmbedInDesktop(HWND mainWindow);

// The enumeration callback; `search` points to the attempt's state.
BOOL CALLBACK DesktopEnumProc(HWND window, LPARAM search);

}  // namespace app
