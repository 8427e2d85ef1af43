// Where the main window's parts sit and how its title strip is lettered;
// shared by the files CCalendarDlg is split over.
#pragma once

#include <windows.h>

namespace app {

inline constexpr int kTitleStripHeight = 25;
inline constexpr int kGridTop = 22;
inline constexpr int kGridHeight = 236;

// The title strip's buttons, and "下一篇" lettered like them.
inline constexpr char kHeaderFace[] = "楷体_gb2312";
inline constexpr int kHeaderPointSize = 100;
inline constexpr int kHeaderButtonTop = 3;
inline constexpr int kHeaderButtonBottom = 20;

}  // namespace app
