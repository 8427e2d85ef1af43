// The hover button: colour while hovered, and exactly one posted click for a
// release on it, none for a press dragged off it. The real pointer goes
// where each step's message says, since the button also looks for it.
#include "tests/gui/GuiHarness.h"
#include "view/HoverButton.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using gui_test::MoveMouse;
using gui_test::Pixels;
using gui_test::PumpUntilIdle;
using gui_test::ReleaseLeft;
using view::WM_HOVERBUTTON_CLICK;

constexpr COLORREF kBack = RGB(50, 80, 90);
constexpr COLORREF kText = RGB(189, 183, 107);
constexpr UINT kId = 1044;

enum class Step { Enter, Leave, ReleaseOnButton, ReleaseOnParent, PointerGoneUnseen, CoveredOnTop };

void PutPointer(HWND window, POINT client) {
    ::ClientToScreen(window, &client);
    ::SetCursorPos(client.x, client.y);
}

// The pointer leaves onto another program's window: it moves, and no move
// reaches this thread.
void LeaveUnseen() {
    ::SetCursorPos(0, 0);
    const DWORD until = ::GetTickCount() + 50;
    MSG m;
    while (::GetTickCount() < until) ::PeekMessageA(&m, nullptr, WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE);
    ::Sleep(250);
}

struct Fixture {
    gui_test::TestParent parent{WM_HOVERBUTTON_CLICK};
    view::CHoverButton button;
    std::unique_ptr<gui_test::TestParent> cover;
    Fixture() {
        ::SetCursorPos(0, 0);
        button.Create({190, 3, 220, 20}, &parent, kId, kBack, kText, 100, "楷体_gb2312");
        button.SetText("上月", TRUE);
        PumpUntilIdle();
    }
    void Run(Step step) {
        switch (step) {
            case Step::Enter: Move(button.hwnd(), {2, 2}); break;
            case Step::Leave: Move(button.hwnd(), {-30, 40}); break;
            case Step::ReleaseOnButton: ReleaseLeft(button.hwnd(), {2, 2}); break;
            case Step::ReleaseOnParent: ReleaseLeft(parent.hwnd(), {150, 60}); break;
            case Step::PointerGoneUnseen: LeaveUnseen(); break;
            case Step::CoveredOnTop: Cover(); break;
        }
    }
    // A window kept on top comes over the button, under the resting pointer,
    // and the button sees one more move.
    void Cover() {
        cover = std::make_unique<gui_test::TestParent>(0, gui_test::WindowRectOf(button.hwnd()));
        ::SetWindowPos(cover->hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        PumpUntilIdle();
        MoveMouse(button.hwnd(), {2, 2});
    }
    static void Move(HWND window, POINT client) {
        PutPointer(window, client);
        MoveMouse(window, client);
    }
};

TEST(HoverButton, ClicksHoverAndCapture) {
    const struct {
        const char* name;
        std::vector<Step> steps;
        std::size_t clicks;
        bool hovering;
        bool captured;
    } cases[] = {
        {"hover", {Step::Enter}, 0, true, true},
        {"hover then leave", {Step::Enter, Step::Leave}, 0, false, false},
        {"drag off and release elsewhere", {Step::Enter, Step::Leave, Step::ReleaseOnParent}, 0, false, false},
        {"pointer gone with no further move", {Step::Enter, Step::PointerGoneUnseen}, 0, false, false},
        {"a window over the button", {Step::Enter, Step::CoveredOnTop}, 0, false, false},
        // The pointer stays on the button after a click, and so does the hover.
        {"click", {Step::Enter, Step::ReleaseOnButton}, 1, true, true},
        {"release before any move", {Step::ReleaseOnButton}, 1, false, false},
        {"two clicks", {Step::Enter, Step::ReleaseOnButton, Step::Enter, Step::ReleaseOnButton}, 2, true, true},
    };
    for (const auto& c : cases) {
        Fixture f;
        for (const Step step : c.steps) f.Run(step);
        PumpUntilIdle();
        EXPECT_EQ(f.parent.received().size(), c.clicks) << c.name;
        for (const auto& click : f.parent.received()) {
            EXPECT_EQ(click.wParam, kId) << c.name;
            EXPECT_EQ(click.lParam, 0) << c.name;
        }
        EXPECT_EQ(f.button.Hovering(), c.hovering) << c.name;
        EXPECT_EQ(::GetCapture() == f.button.hwnd(), c.captured) << c.name;
        EXPECT_EQ(f.button.TextColor(), c.hovering ? view::HOVER_TEXT_COLOR : kText) << c.name;
        ::ReleaseCapture();
    }
}

TEST(HoverButton, ClickArrivesAfterTheHandlerReturned) {
    Fixture f;
    f.Run(Step::Enter);
    f.Run(Step::ReleaseOnButton);
    EXPECT_TRUE(f.parent.received().empty()) << "posted, not sent";
    PumpUntilIdle();
    EXPECT_EQ(f.parent.received().size(), 1u);
}

TEST(HoverButton, DrawsInTheHoverColourOnlyWhileHovered) {
    Fixture f;
    const RECT all{0, 0, 200, 200};
    const Pixels idle = Pixels::Of(f.button.hwnd());
    EXPECT_GT(idle.Count(all, kText), 0);
    EXPECT_EQ(idle.Count(all, view::HOVER_TEXT_COLOR), 0);

    f.Run(Step::Enter);
    const Pixels hovered = Pixels::Of(f.button.hwnd());
    EXPECT_GT(hovered.Count(all, view::HOVER_TEXT_COLOR), 0);
    EXPECT_EQ(hovered.Count(all, kText), 0);

    f.Run(Step::Leave);
    const Pixels left = Pixels::Of(f.button.hwnd());
    EXPECT_EQ(left.Count(all, view::HOVER_TEXT_COLOR), 0);
    EXPECT_GT(left.Count(all, kBack), 0);
}

}  // namespace
