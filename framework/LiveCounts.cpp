#include "framework/LiveCounts.h"

namespace fw {

namespace {
// The user-interface thread alone makes and deletes these.
int gdiObjects = 0;
int windows = 0;
}  // namespace

int LiveGdiObjects() { return gdiObjects; }
int LiveWindows() { return windows; }

namespace detail {
void GdiObjectMade() { ++gdiObjects; }
void GdiObjectDeleted() { --gdiObjects; }
void WindowBound() { ++windows; }
void WindowUnbound() { --windows; }
}  // namespace detail

}  // namespace fw
