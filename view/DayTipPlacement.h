// Where the day tip goes next to the pointer, kept inside the work area of
// the calendar's monitor.
#pragma once

#include "base/DpiScale.h"
#include "base/ScreenRect.h"

namespace view {

// The tip's gap to the pointer, below it or above it, in design pixels.
inline constexpr int kTipPointerGap = 12;

// The tip of width x height for the pointer at (x, y) on the screen: its
// top-left corner at (x - width / 2 + 2, y + kTipPointerGap); above the
// pointer, its foot kTipPointerGap over it, where it would pass the foot of
// `workArea`; further left where it would pass its right edge. Always
// inside the work area (from its top-left corner when larger than it). The
// gap at `scale`, the DPI of the window the pointer is over.
base::ScreenRect PlaceDayTip(int x, int y, int width, int height, const base::ScreenRect& workArea,
                             base::DpiScale scale = {});

}  // namespace view
