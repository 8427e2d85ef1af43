#include "framework/LiveCounts.h"

#include <cassert>

namespace fw {

namespace {
// The user-interface thread alone makes and deletes these.
int gdiObjects = 0;
int windows = 0;
int caughtExceptions = 0;
}  // namespace

int LiveGdiObjects() { return gdiObjects; }
int LiveWindows() { return windows; }
int CaughtExceptions() { return caughtExceptions; }

namespace detail {
void GdiObjectMade() { ++gdiObjects; }
void GdiObjectDeleted() { --gdiObjects; }
void WindowBound() { ++windows; }
void WindowUnbound() { --windows; }

void ExceptionCaught() {
    ++caughtExceptions;
    assert(!"an exception reached a window or dialog procedure");
}

void ForgetCaughtExceptions() { caughtExceptions = 0; }
}  // namespace detail

}  // namespace fw
