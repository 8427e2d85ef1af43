#include "framework/Wnd.h"

#include "framework/LiveCounts.h"
#include "base/WideText_win.h"

#include <cstdio>
#include <iterator>
#include <map>
#include <string>
#include <utility>

namespace fw {

namespace {

// Where a window's object lives while bound.
constexpr int kObjectSlot = GWLP_USERDATA;

}  // namespace

std::string WindowTextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return base::WideToGb18030(text);
}

bool SetWindowTextOf(HWND window, std::string_view text) {
    return ::SetWindowTextW(window, base::Gb18030ToWide(text).c_str()) != FALSE;
}

CWnd::~CWnd() {
    if (!bound_ || !hwnd_) return;
    // The derived parts are gone: the window must not reach this object
    // again while it is destroyed.
    const HWND window = hwnd_;
    Unbind();
    ::DestroyWindow(window);
}

CWnd* CWnd::FromHandle(HWND window) {
    if (!window) return nullptr;
    wchar_t className[64] = {};
    ::GetClassNameW(window, className, static_cast<int>(std::size(className)));
    // Dialogs keep their object in DWLP_USER, other windows in USERDATA.
    const bool dialog = lstrcmpW(className, L"#32770") == 0;
    return reinterpret_cast<CWnd*>(::GetWindowLongPtrW(window, dialog ? DWLP_USER : kObjectSlot));
}

const char* CWnd::RegisterWndClass(UINT classStyle, HCURSOR cursor) {
    static std::map<std::pair<UINT, HCURSOR>, std::string> registered;
    const auto key = std::make_pair(classStyle, cursor);
    if (const auto found = registered.find(key); found != registered.end()) return found->second.c_str();

    char name[64];
    std::snprintf(name, sizeof name, "FwWnd:%x:%p", classStyle, static_cast<void*>(cursor));
    const std::wstring wideName = base::Gb18030ToWide(name);
    WNDCLASSW wc{};
    wc.style = classStyle;
    wc.lpfnWndProc = &CWnd::WindowProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = cursor;
    wc.lpszClassName = wideName.c_str();
    if (!::RegisterClassW(&wc)) return "";
    return registered.emplace(key, name).first->second.c_str();
}

bool CWnd::CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, const RECT& rect, HWND parent,
                    UINT id) {
    const HMENU menuOrId = (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)) : nullptr;
    const std::wstring wideClass = base::Gb18030ToWide(className ? className : "");
    const std::wstring wideTitle = base::Gb18030ToWide(title ? title : "");
    const HWND made = ::CreateWindowExW(exStyle, wideClass.c_str(), title ? wideTitle.c_str() : nullptr, style,
                                        rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                                        menuOrId, ::GetModuleHandleW(nullptr), this);
    return made != nullptr;
}

HWND CWnd::Detach() { return std::exchange(hwnd_, nullptr); }

bool CWnd::DestroyWindow() { return hwnd_ && ::DestroyWindow(hwnd_); }

LRESULT CWnd::Default() {
    current_.defaultRequested = true;
    return DefaultProcessing(current_.message, current_.wParam, current_.lParam);
}

LRESULT CWnd::DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcW(hwnd_, message, wParam, lParam);
}

std::string CWnd::GetWindowText() const {
    return WindowTextOf(hwnd_);
}

const MessageMap* CWnd::GetThisMessageMap() {
    static constexpr MessageMap map{nullptr, {}};
    return &map;
}

void CWnd::Bind(HWND window, int slot) {
    ::SetWindowLongPtrW(window, slot, reinterpret_cast<LONG_PTR>(this));
    objectSlot_ = slot;
    hwnd_ = window;
    bound_ = true;
    detail::WindowBound();
}

void CWnd::Unbind() {
    ::SetWindowLongPtrW(hwnd_, objectSlot_, 0);
    hwnd_ = nullptr;
    bound_ = false;
    detail::WindowUnbound();
}

bool CWnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result, bool& defaultRequested) {
    for (const MessageMap* map = GetMessageMap(); map; map = map->base ? map->base() : nullptr) {
        for (const MessageEntry& entry : map->entries) {
            if (!Matches(entry, message, wParam)) continue;
            const CurrentMessage outer = std::exchange(current_, CurrentMessage{message, wParam, lParam});
            try {
                result = entry.thunk(*this, wParam, lParam);
            } catch (...) {
                current_ = outer;
                throw;
            }
            defaultRequested = current_.defaultRequested;
            current_ = outer;
            return true;
        }
    }
    return false;
}

LRESULT CALLBACK CWnd::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<CWnd*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        if (self) self->Bind(window, kObjectSlot);
    }
    auto* self = reinterpret_cast<CWnd*>(::GetWindowLongPtrW(window, kObjectSlot));
    if (!self) return ::DefWindowProcW(window, message, wParam, lParam);

    LRESULT result = 0;
    try {
        bool defaultRequested = false;
        if (!self->Dispatch(message, wParam, lParam, result, defaultRequested))
            result = self->DefaultProcessing(message, wParam, lParam);
    } catch (...) {
        // Nothing may unwind through the system's code; the message counts
        // as handled by default processing.
        detail::ExceptionCaught();
        result = ::DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        self->Unbind();
        self->PostNcDestroy();
    }
    return result;
}

}  // namespace fw
