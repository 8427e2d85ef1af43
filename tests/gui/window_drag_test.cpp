// Dragging a borderless window with real input: the press starts one move
// loop, and the release ends the drag.
#include "app/WindowDrag.h"
#include "tests/gui/GuiHarness.h"

#include <gtest/gtest.h>

namespace {

class Draggable : public fw::CWnd {
public:
    Draggable() {
        CreateEx(WS_EX_TOPMOST, RegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW)), "drag", WS_POPUP | WS_VISIBLE,
                 {200, 200, 400, 300}, nullptr, 0);
    }
    static const fw::MessageMap* GetThisMessageMap() {
        static constexpr fw::MessageEntry entries[] = {fw::OnMouse<&Draggable::OnLButtonDown>(WM_LBUTTONDOWN)};
        static constexpr fw::MessageMap map{&CWnd::GetThisMessageMap, entries};
        return &map;
    }
    const fw::MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    void OnLButtonDown(UINT, POINT point) {
        app::StartWindowDrag(hwnd_, point);
        Default();
    }
};

void Pointer(DWORD buttons, int x, int y) { gui_test::PointerInput({x, y}, buttons); }

TEST(WindowDrag, TheReleaseEndsTheDrag) {
    Draggable window;
    gui_test::PumpUntilIdle();
    Pointer(0, 250, 250);
    gui_test::PumpUntilIdle();
    // Press, drag by (30, 10), release, then the pointer goes on alone.
    Pointer(MOUSEEVENTF_LEFTDOWN, 250, 250);
    Pointer(0, 280, 260);
    Pointer(MOUSEEVENTF_LEFTUP, 280, 260);
    Pointer(0, 350, 400);
    // A move loop still running after the release ends on Enter, where the
    // pointer is then.
    ::SetTimer(window.hwnd(), 1, 1500, [](HWND w, UINT, UINT_PTR id, DWORD) {
        ::KillTimer(w, id);
        ::PostMessageA(w, WM_KEYDOWN, VK_RETURN, 0);
    });
    gui_test::PumpUntilIdle(2000);
    const RECT placed = gui_test::WindowRectOf(window.hwnd());
    EXPECT_EQ(placed.left, 230);
    EXPECT_EQ(placed.top, 210);
}

}  // namespace
