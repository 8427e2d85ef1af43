#include "tests/gui/GuiHarness.h"

#include "base/WideText_win.h"
#include "framework/Gdi.h"
#include "framework/LiveCounts.h"

#include <gtest/gtest.h>

#include <utility>

namespace gui_test {

namespace {

class CatchCheck : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo&) override { ExpectNoCaughtExceptions(); }
};

// Installs the check once the test program runs (gtest_main owns main).
class CatchCheckEnvironment : public ::testing::Environment {
    void SetUp() override { ::testing::UnitTest::GetInstance()->listeners().Append(new CatchCheck); }
};

::testing::Environment* const catchCheck = ::testing::AddGlobalTestEnvironment(new CatchCheckEnvironment);

}  // namespace

void ExpectNoCaughtExceptions() {
    EXPECT_EQ(fw::CaughtExceptions(), 0) << "exceptions caught at the window procedures";
    fw::detail::ForgetCaughtExceptions();
}

void PumpUntilIdle(int quietMs) {
    for (;;) {
        MSG message;
        bool any = false;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            any = true;
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        if (!any &&
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(quietMs), QS_ALLINPUT) == WAIT_TIMEOUT)
            return;
    }
}

void MoveMouse(HWND window, POINT client) { ::SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y)); }

void PointerInput(POINT screen, DWORD buttons) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = screen.x * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = screen.y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | buttons;
    ::SendInput(1, &input, sizeof input);
}

void KeyInput(WORD virtualKey, bool control) {
    std::vector<INPUT> inputs;
    const auto key = [&](WORD code, DWORD flags) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = code;
        input.ki.dwFlags = flags;
        inputs.push_back(input);
    };
    if (control) key(VK_CONTROL, 0);
    key(virtualKey, 0);
    key(virtualKey, KEYEVENTF_KEYUP);
    if (control) key(VK_CONTROL, KEYEVENTF_KEYUP);
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void CharacterInput(std::wstring_view units) {
    std::vector<INPUT> inputs;
    for (const wchar_t unit : units) {
        for (const DWORD up : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wScan = unit;
            input.ki.dwFlags = KEYEVENTF_UNICODE | up;
            inputs.push_back(input);
        }
    }
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

namespace {

WORD watchedKey = 0;
bool watchedKeyReleased = false;

LRESULT CALLBACK WatchKeys(int code, WPARAM key, LPARAM flags) {
    // Bit 31: the key goes up. HC_ACTION: the message leaves the queue.
    if (code == HC_ACTION && key == watchedKey && (flags & 0x80000000) != 0) watchedKeyReleased = true;
    return ::CallNextHookEx(nullptr, code, key, flags);
}

}  // namespace

void PressKey(WORD virtualKey, bool control, const std::function<void()>& pump, int limitMs) {
    watchedKey = virtualKey;
    watchedKeyReleased = false;
    const HHOOK hook = ::SetWindowsHookExA(WH_KEYBOARD, WatchKeys, nullptr, ::GetCurrentThreadId());
    KeyInput(virtualKey, control);
    const DWORD start = ::GetTickCount();
    while (!watchedKeyReleased && ::GetTickCount() - start < static_cast<DWORD>(limitMs)) {
        pump();
        if (!watchedKeyReleased) ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    if (hook) ::UnhookWindowsHookEx(hook);
    watchedKey = 0;
    pump();
}

void ReleaseLeft(HWND window, POINT client) { ::SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y)); }

Pixels Pixels::Of(HWND window) {
    ::UpdateWindow(window);
    PumpUntilIdle();
    Pixels pixels;
    RECT client;
    ::GetClientRect(window, &client);
    pixels.width_ = client.right;
    pixels.height_ = client.bottom;
    pixels.bgra_.assign(static_cast<std::size_t>(pixels.width_) * static_cast<std::size_t>(pixels.height_), 0);
    if (pixels.bgra_.empty()) return pixels;

    const fw::CClientDC source(window);
    const fw::CMemoryDC copy(source.get(), pixels.width_, pixels.height_);
    ::BitBlt(copy.get(), 0, 0, pixels.width_, pixels.height_, source.get(), 0, 0, SRCCOPY);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = pixels.width_;
    info.bmiHeader.biHeight = -pixels.height_;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const HBITMAP bitmap = static_cast<HBITMAP>(::GetCurrentObject(copy.get(), OBJ_BITMAP));
    ::GetDIBits(copy.get(), bitmap, 0, static_cast<UINT>(pixels.height_), pixels.bgra_.data(), &info, DIB_RGB_COLORS);
    return pixels;
}

COLORREF Pixels::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
    const std::uint32_t bgra =
        bgra_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
    return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
}

int Pixels::Count(const RECT& area, COLORREF colour) const {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (At(x, y) == colour) ++count;
    return count;
}

namespace {

struct PendingAction {
    std::function<bool(HWND)> action;
    DWORD deadline = 0;
    UINT_PTR timer = 0;
};
PendingAction pending;

BOOL CALLBACK FindActiveDialog(HWND window, LPARAM found) {
    char className[16] = {};
    ::GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, "#32770") == 0 && ::IsWindowVisible(window) && ::IsWindowEnabled(window))
        *reinterpret_cast<HWND*>(found) = window;
    return TRUE;
}

void CALLBACK OnActionTimer(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindActiveDialog, reinterpret_cast<LPARAM>(&dialog));
    const bool expired = ::GetTickCount() > pending.deadline;
    if ((dialog && pending.action && pending.action(dialog)) || expired) {
        ::KillTimer(nullptr, pending.timer);
        pending = PendingAction{};
    }
}

}  // namespace

void WhenDialogOpens(std::function<bool(HWND)> action, int limitMs) {
    if (pending.timer) ::KillTimer(nullptr, pending.timer);
    pending.action = std::move(action);
    pending.deadline = ::GetTickCount() + static_cast<DWORD>(limitMs);
    pending.timer = ::SetTimer(nullptr, 0, 30, OnActionTimer);
}

void PressButton(HWND dialog, int controlId) {
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, controlId)));
}

std::wstring WideTextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::string TextOf(HWND window) { return base::WideToGb18030(WideTextOf(window)); }

RECT WindowRectOf(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return rect;
}

TestParent::TestParent(UINT countedMessage, RECT rect) : counted_(countedMessage) {
    CreateEx(0, RegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW)), "test", WS_POPUP | WS_VISIBLE, rect, nullptr, 0);
}

const fw::MessageMap* TestParent::GetThisMessageMap() {
    static constexpr fw::MessageEntry entries[] = {fw::OnPaint<&TestParent::OnPaint>()};
    static constexpr fw::MessageMap map{&CWnd::GetThisMessageMap, entries};
    return &map;
}

void TestParent::OnPaint() {
    const fw::CPaintDC dc(hwnd_);
    RECT client;
    ::GetClientRect(hwnd_, &client);
    fw::FillSolidRect(dc.get(), client, RGB(255, 255, 255));
}

LRESULT TestParent::DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == counted_) received_.push_back({wParam, lParam});
    return CWnd::DefaultProcessing(message, wParam, lParam);
}

}  // namespace gui_test
