#include "framework/WorkArea.h"

namespace fw {

base::ScreenRect WorkAreaOf(HWND window) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info)) {
        RECT work{};
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        return {work.left, work.top, work.right, work.bottom};
    }
    return {info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
}

void KeepOnWorkArea(HWND window) {
    RECT r{};
    if (!::GetWindowRect(window, &r)) return;
    const base::ScreenRect placed = base::KeepInside({r.left, r.top, r.right, r.bottom}, WorkAreaOf(window));
    if (placed.left == r.left && placed.top == r.top) return;
    ::SetWindowPos(window, nullptr, placed.left, placed.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace fw
