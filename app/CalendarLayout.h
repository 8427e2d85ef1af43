// Where the main window's parts sit, in its client pixels, and how its
// title strip is lettered. The numbers are design pixels (96 DPI);
// LayOutMainWindow gives them at the window's DPI. The sizes follow the
// month view's.
#pragma once

#include "base/DpiScale.h"
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

// The headline's font, and the pickers' (the main window's dialog font).
inline constexpr char kHeadlineFace[] = "宋体";
inline constexpr int kHeadlinePointSize = 110;
inline constexpr char kPickerFace[] = "宋体";
inline constexpr int kPickerPointSize = 100;

// The pickers at the strip's left: the left edge and width, the height of
// the whole control with its list dropped down (the closed field takes its
// height from its font and must end at the month view's top, above the
// weekday band). A list item is 14 pixels tall at 96 DPI.
inline constexpr int kPickerTop = 0;
inline constexpr int kPickerFieldHeight = kMonthViewTop - kPickerTop;
inline constexpr int kPickerItemHeight = 14;
inline constexpr int kYearPickerLeft = 5;
inline constexpr int kYearPickerWidth = 68;
inline constexpr int kYearPickerHeight = 145;
inline constexpr int kMonthPickerLeft = 77;
inline constexpr int kMonthPickerWidth = 53;
inline constexpr int kMonthPickerHeight = 138;

// The headline strip: the title from the left, "下一篇" at the right; both
// a little below the view, "下一篇" one pixel lower still.
inline constexpr int kHeadlineTopBelowView = 2;
inline constexpr int kHeadlineLeft = 2;
inline constexpr int kHeadlineRight = 190;
inline constexpr int kHeadlineHeight = 18;
inline constexpr int kNextArticleLeft = 250;
inline constexpr int kNextArticleRight = 310;
// The title is cut short of "下一篇" by this gap.
inline constexpr int kHeadlineGap = 4;
inline constexpr int kHeadlineMaxWidth = kNextArticleLeft - kHeadlineLeft - kHeadlineGap;

struct MainWindowLayout {
    int width = 0;
    int height = 0;
    view::GridRect titleStrip;
    // The pickers' closed fields, and the height their fields must keep within.
    view::GridRect yearPicker;
    view::GridRect monthPicker;
    int pickerFieldHeight = 0;
    // "上月", "下月", "返回", "×": where each starts and the room it has
    // (the buttons fit themselves to their text from the top-left corner).
    view::GridRect prevButton;
    view::GridRect nextButton;
    view::GridRect todayButton;
    view::GridRect closeButton;
    view::GridRect monthView;
    view::GridRect headline;
    view::GridRect nextArticle;
    // Room for the title before "下一篇".
    int headlineMaxWidth = 0;
    friend bool operator==(const MainWindowLayout&, const MainWindowLayout&) = default;
};

MainWindowLayout LayOutMainWindow(base::DpiScale scale);

// A picker's whole height for a closed field of `fieldHeight` and list items
// of `itemHeight` pixels, both as its font makes them: its list as many
// items long as the design's list of `designHeight` (with the design's field
// and item heights), whatever the font's proportions at the DPI.
int PickerHeight(int designHeight, int fieldHeight, int itemHeight);

}  // namespace app
