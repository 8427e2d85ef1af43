// Where the main window's parts sit, in its client pixels, and how its
// title strip is lettered. The sizes follow the month view's.
#pragma once

#include "view/MonthLayout.h"

namespace app {

// The dark title strip across the top.
inline constexpr int kTitleStripHeight = 25;
// The month view's top edge; the view covers the title strip's lowest three
// rows. (view::kGridTop is another thing: where the first row of day cells
// starts inside the view.)
inline constexpr int kMonthViewTop = 22;
// The headline strip below the view.
inline constexpr int kHeadlineStripHeight = 20;

inline constexpr int kMainWindowWidth = view::kViewWidth;
inline constexpr int kMainWindowHeight = kMonthViewTop + view::kViewHeight + kHeadlineStripHeight;

// The title strip's buttons, and "下一篇" lettered like them.
inline constexpr char kHeaderFace[] = "楷体_gb2312";
inline constexpr int kHeaderPointSize = 100;
inline constexpr int kHeaderButtonTop = 3;
inline constexpr int kHeaderButtonBottom = 20;

}  // namespace app
