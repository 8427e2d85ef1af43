// Keeping the main window and the memo pad where the user can reach them.
// Screen coordinates; positions may be negative (monitors left of or above
// the primary one).
#pragma once

#include "app/CalendarLayout.h"
#include "app/Settings.h"
#include "base/DpiScale.h"
#include "base/ScreenRect.h"

#include <vector>

namespace app {

using base::ScreenRect;

// Where a window of width x height at `p` goes so that all of it lies
// inside the work area of its monitor: the area it covers most, or the
// nearest one when it covers none. Moved as little as it takes; one larger
// than the area keeps its top-left corner there. The main window starts so
// and goes so when a drag ends.
ScreenPoint KeepInsideWorkArea(ScreenPoint p, int width, int height, const std::vector<ScreenRect>& workAreas);

// A window of width x height at `p` that touches no work area (its monitor
// was removed or made smaller) moves onto the nearest one, wholly inside it
// where it fits; one that still touches a work area stays where it is.
ScreenPoint MoveOntoWorkAreas(ScreenPoint p, int width, int height, const std::vector<ScreenRect>& workAreas);

// The memo tab's gap to the calendar beside it, in design pixels.
inline constexpr int kMemoTabGap = 10;

// Where a memo tab of width x height goes beside the calendar's window
// rectangle: kMemoTabGap (through the calendar's `scale`) right of it, its
// foot on the calendar's; on the left side when it would pass the right edge
// of `workArea` (the work area of the calendar's monitor), and always inside
// the work area.
ScreenPoint PlaceMemoTab(const ScreenRect& calendar, int width, int height, const ScreenRect& workArea,
                         base::DpiScale scale);

// The memo pad's gap to the calendar above or below it, in design pixels.
inline constexpr int kMemoPadGap = 10;

// Where a memo pad of width x height goes when no position was saved:
// kMemoPadGap (through the calendar's `scale`) below the calendar's window
// rectangle, its left edges lined up; above the calendar when its foot would
// pass the bottom of `workArea` (the work area of the calendar's monitor),
// and always inside the work area.
ScreenPoint PlaceMemoPad(const ScreenRect& calendar, int width, int height, const ScreenRect& workArea,
                         base::DpiScale scale);

}  // namespace app
