#include "base/ScreenRect.h"

#include <algorithm>

namespace base {

namespace {

// The start on one axis nearest to `at` that keeps [start, start + size)
// inside [low, high); `low` when it does not fit. In 64 bits, where a
// position plus a size cannot overflow.
int StartWithin(int at, int size, int low, int high) {
    const long long highest = static_cast<long long>(high) - size;
    if (highest < low) return low;
    return static_cast<int>(std::clamp<long long>(at, low, highest));
}

}  // namespace

ScreenRect KeepInside(const ScreenRect& window, const ScreenRect& area) {
    const int width = window.Width();
    const int height = window.Height();
    const int left = StartWithin(window.left, width, area.left, area.right);
    const int top = StartWithin(window.top, height, area.top, area.bottom);
    return {left, top, left + width, top + height};
}

}  // namespace base
