// Counts of the GDI objects and windows the framework's owners hold right
// now. The system's own GetGuiResources answers 0 under Wine, so these are
// what tests read to show that repainting or changing months leaks nothing.
// Beside them, the exceptions the window and dialog procedures caught: none
// may unwind through the system's code, yet each is a fault to be found.
#pragma once

namespace fw {

int LiveGdiObjects();
int LiveWindows();
int CaughtExceptions();

namespace detail {
void GdiObjectMade();
void GdiObjectDeleted();
void WindowBound();
void WindowUnbound();
// Counts one; debug builds stop here.
void ExceptionCaught();
// For a test that throws on purpose, once it has looked at the count.
void ForgetCaughtExceptions();
}  // namespace detail

}  // namespace fw
