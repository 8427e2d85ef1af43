#include "app/DesktopEmbedding.h"

#include "app/DesktopHost.h"
#include "base/WideText_win.h"

#include <iterator>

namespace app {

namespace {

struct EmbedSearch {
    HWND mainWindow;
    HWND host = nullptr;  // the desktop view that took the window last
};

}  // namespace

BOOL CALLBACK DesktopEnumProc(HWND window, LPARAM searchParam) {
    auto& search = *reinterpret_cast<EmbedSearch*>(searchParam);
    if (!::IsWindowVisible(window) || ::IsIconic(window)) return TRUE;
    const HWND view = ::FindWindowExW(window, nullptr, base::Gb18030ToWide(kDesktopViewClass).c_str(), nullptr);
    if (!view || !::FindWindowExW(view, nullptr, base::Gb18030ToWide(kDesktopListClass).c_str(), nullptr)) return TRUE;

    wchar_t className[100] = {};
    ::GetClassNameW(window, className, static_cast<int>(std::size(className)));
    if (!IsDesktopHostClass(base::WideToGb18030(className))) return TRUE;
    // GetParent would name the owner of a popup; the real parent is asked for.
    if (::SetParent(search.mainWindow, view) && ::GetAncestor(search.mainWindow, GA_PARENT) == view) search.host = view;
    return TRUE;
}

bool TryEmbedInDesktop(HWND mainWindow) {
    EmbedSearch search{mainWindow};
    ::EnumWindows(&DesktopEnumProc, reinterpret_cast<LPARAM>(&search));
    return search.host && ::GetAncestor(mainWindow, GA_PARENT) == search.host;
}

}  // namespace app
