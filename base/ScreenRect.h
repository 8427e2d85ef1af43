// A rectangle of the screen and keeping one inside another. Screen
// coordinates; they may be negative (monitors left of or above the primary
// one).
#pragma once

namespace base {

struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;  // exclusive
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// `window` moved as little as it takes to lie wholly inside `area`, its size
// kept. Where it is wider or taller than the area, its left or top edge goes
// on the area's, so that its title and first controls stay reachable.
ScreenRect KeepInside(const ScreenRect& window, const ScreenRect& area);

}  // namespace base
