#include "app/DesktopEmbedding.h"

#include "app/DesktopHost.h"

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
    const HWND view = ::FindWindowExA(window, nullptr, kDesktopViewClass, nullptr);
    if (!view || !::FindWindowExA(view, nullptr, kDesktopListClass, nullptr)) return TRUE;

    char className[100] = {};
    ::GetClassNameA(window, className, sizeof className);
    if (!IsDesktopHostClass(className)) return TRUE;
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
