#include "app/MonitorWorkAreas.h"

#include <windows.h>

namespace app {

namespace {

BOOL CALLBACK AddWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM areas) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (::GetMonitorInfoW(monitor, &info)) {
        const RECT& work = info.rcWork;
        reinterpret_cast<std::vector<ScreenRect>*>(areas)->push_back({work.left, work.top, work.right, work.bottom});
    }
    return TRUE;
}

}  // namespace

std::vector<ScreenRect> MonitorWorkAreas() {
    std::vector<ScreenRect> areas;
    ::EnumDisplayMonitors(nullptr, nullptr, &AddWorkArea, reinterpret_cast<LPARAM>(&areas));
    return areas;
}

}  // namespace app
