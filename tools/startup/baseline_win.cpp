// The yardstick for the start-up benchmark: the least a Win32 program can
// do to show a window of the calendar's size, filled with the colour of the
// calendar's title strip.
#include "StripWindow_win.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    startup::RunStripWindow(instance, "StartupBaseline", 0, nullptr);
    return 0;
}
