#include "view/DayTipPlacement.h"

namespace view {

base::ScreenRect PlaceDayTip(int x, int y, int width, int height, const base::ScreenRect& workArea,
                             base::DpiScale scale) {
    const int gap = scale(kTipPointerGap);
    const int left = x - width / 2 + scale(2);
    int top = y + gap;
    if (static_cast<long long>(top) + height > workArea.bottom) top = y - gap - height;
    return base::KeepInside({left, top, left + width, top + height}, workArea);
}

}  // namespace view
