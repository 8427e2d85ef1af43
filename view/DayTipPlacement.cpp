#include "view/DayTipPlacement.h"

namespace view {

base::ScreenRect PlaceDayTip(int x, int y, int width, int height, const base::ScreenRect& workArea) {
    const int left = x - width / 2 + 2;
    int top = y + kTipPointerGap;
    if (static_cast<long long>(top) + height > workArea.bottom) top = y - kTipPointerGap - height;
    return base::KeepInside({left, top, left + width, top + height}, workArea);
}

}  // namespace view
