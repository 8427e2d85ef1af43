#include "news/MessageWindow_win.h"

#include "base/WideText_win.h"

#include <string>

namespace news {

HWND MakeMessageWindow(const char* className, WNDPROC proc, void* self) {
    const std::wstring name = base::Gb18030ToWide(className);
    WNDCLASSW wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = name.c_str();
    ::RegisterClassW(&wc);  // fails harmlessly once it is registered
    const HWND window =
        ::CreateWindowExW(0, name.c_str(), L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    if (window) ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    return window;
}

}  // namespace news
