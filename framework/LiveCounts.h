// Counts of the GDI objects and windows the framework's owners hold right
// now. The system's own GetGuiResources answers 0 under Wine, so these are
// what tests read to show that repainting or changing months leaks nothing.
#pragma once

namespace fw {

int LiveGdiObjects();
int LiveWindows();

namespace detail {
void GdiObjectMade();
void GdiObjectDeleted();
void WindowBound();
void WindowUnbound();
}  // namespace detail

}  // namespace fw
