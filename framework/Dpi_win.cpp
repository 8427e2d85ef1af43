#include "framework/Dpi.h"

namespace fw {

namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);

GetDpiForWindowFn DpiForWindowCall() {
    // Windows 7 and 8 have no such call: looked up once, not linked.
    static const GetDpiForWindowFn call = [] {
        const HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
        return user32 ? reinterpret_cast<GetDpiForWindowFn>(
                            reinterpret_cast<void*>(::GetProcAddress(user32, "GetDpiForWindow")))
                      : nullptr;
    }();
    return call;
}

int ScreenDpi() {
    const HDC screen = ::GetDC(nullptr);
    const int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSX) : 0;
    if (screen) ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : base::kDesignDpi;
}

}  // namespace

int WindowDpi(HWND window) {
    if (const GetDpiForWindowFn call = DpiForWindowCall(); call && window) {
        if (const UINT dpi = call(window); dpi > 0) return static_cast<int>(dpi);
    }
    return ScreenDpi();
}

}  // namespace fw
