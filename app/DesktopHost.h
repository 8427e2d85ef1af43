// Which top-level windows hold the desktop's icon view that the calendar
// settles into.
#pragma once

#include <string_view>

namespace app {

inline constexpr char kDesktopViewClass[] = "SHELLDLL_DefView";
inline constexpr char kDesktopListClass[] = "SysListView32";

// "progman" or "WorkerW", in any letter case.
bool IsDesktopHostClass(std::string_view className);

}  // namespace app
