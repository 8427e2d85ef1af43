// The day tip: placed under the pointer, as big as its text, yellow with
// red text.
#include "framework/Gdi.h"
#include "tests/gui/GuiHarness.h"
#include "view/DayTipDlg.h"
#include "view/LabelWnd.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

namespace {

using gui_test::Pixels;
using gui_test::PumpUntilIdle;

std::unique_ptr<char[]> Owned(const std::string& text) {
    auto copy = std::make_unique<char[]>(text.size() + 1);
    std::memcpy(copy.get(), text.c_str(), text.size() + 1);
    return copy;
}

struct Fixture {
    gui_test::TestParent parent{0};
    view::CDayTipDlg tip;
    fw::CFont font;  // the tip's own font, to measure texts the same way
    Fixture() {
        tip.Create(&parent);
        font.CreateFont(15, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "宋体");
    }
    SIZE Measure(const std::string& text) {
        const fw::CClientDC dc(tip.hwnd());
        const fw::SelectGuard selected(dc.get(), font.get());
        return view::MeasureText(dc.get(), text);
    }
    void Show(const std::string& text, POINT at) {
        tip.ShowText(Owned(text), text.size(), at);
        ::ShowWindow(tip.hwnd(), SW_SHOWNOACTIVATE);
        PumpUntilIdle();
    }
};

// A line exactly `width` pixels wide: some repetitions of one printable
// character followed by some of another.
std::string LineOfWidth(Fixture& f, int width) {
    for (char a = '!'; a <= '~'; ++a) {
        for (char b = '!'; b <= '~'; ++b) {
            for (std::string head; f.Measure(head).cx <= width; head += a) {
                std::string line = head;
                while (f.Measure(line).cx < width) line += b;
                if (f.Measure(line).cx == width) return line;
            }
        }
    }
    return {};
}

TEST(DayTip, PlacedBelowAndCentredOnThePoint) {
    Fixture f;
    EXPECT_FALSE(::IsWindowVisible(f.tip.hwnd())) << "made hidden";
    const std::string line = LineOfWidth(f, 80);
    ASSERT_FALSE(line.empty()) << "no 80-pixel line in this font";

    f.Show(line, {500, 300});
    const RECT placed = gui_test::WindowRectOf(f.tip.hwnd());
    EXPECT_EQ(placed.left, 462);
    EXPECT_EQ(placed.top, 312);
    EXPECT_EQ(placed.right - placed.left, 80);
    EXPECT_EQ(placed.bottom - placed.top, f.Measure("a").cy);
}

TEST(DayTip, SizedToItsLinesAndPaintedYellowWithRedText) {
    Fixture f;
    const std::string text = "每周二开会\r\n生日\r\n农历每年八月十五";
    f.Show(text, {300, 200});
    const int lineHeight = f.Measure("a").cy;
    EXPECT_EQ(f.tip.TipHeight(), 3 * lineHeight);
    EXPECT_EQ(f.tip.TipWidth(), f.Measure("农历每年八月十五").cx);
    const RECT placed = gui_test::WindowRectOf(f.tip.hwnd());
    EXPECT_EQ(placed.bottom - placed.top, 3 * lineHeight);
    EXPECT_EQ(placed.left, 300 - f.tip.TipWidth() / 2 + 2);

    const Pixels pixels = Pixels::Of(f.tip.hwnd());
    const RECT all{0, 0, pixels.Width(), pixels.Height()};
    EXPECT_GT(pixels.Count(all, RGB(255, 0, 0)), 0);
    // Every pixel is yellow, red, or a smoothed edge between the two.
    int others = 0;
    for (int y = 0; y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x)
            if (GetRValue(pixels.At(x, y)) != 255 || GetBValue(pixels.At(x, y)) != 0) ++others;
    EXPECT_EQ(others, 0);
    // Right of the short second line there is only background.
    const int shortLine = f.Measure("生日").cx;
    EXPECT_EQ(pixels.Count({shortLine + 1, lineHeight, pixels.Width(), 2 * lineHeight}, RGB(255, 255, 0)),
              (pixels.Width() - shortLine - 1) * lineHeight);
}

TEST(DayTip, AmpersandIsDrawnAsItselfToTheMeasuredEdge) {
    Fixture f;
    f.Show("AT&T", {300, 200});
    ASSERT_EQ(f.tip.TipWidth(), f.Measure("AT&T").cx);
    const Pixels pixels = Pixels::Of(f.tip.hwnd());
    int rightmostRed = -1;
    for (int x = 0; x < pixels.Width(); ++x)
        if (pixels.Count({x, 0, x + 1, pixels.Height()}, RGB(255, 0, 0)) > 0) rightmostRed = x;
    EXPECT_GE(rightmostRed, f.Measure("AT&").cx) << "the last T drawn where it was measured";
}

TEST(DayTip, AltF4AndEnterLeaveItAndClicksGoThrough) {
    Fixture f;
    f.Show("x", {300, 200});
    ::SendMessageA(f.tip.hwnd(), WM_CLOSE, 0, 0);
    ::SendMessageA(f.tip.hwnd(), WM_COMMAND, IDOK, 0);
    PumpUntilIdle();
    EXPECT_TRUE(::IsWindow(f.tip.hwnd()) && ::IsWindowVisible(f.tip.hwnd()));
    EXPECT_EQ(::SendMessageA(f.tip.hwnd(), WM_NCHITTEST, 0, MAKELPARAM(300, 215)), HTTRANSPARENT);
}

TEST(DayTip, NoTextLeavesAnEmptyOneLineTip) {
    Fixture f;
    f.tip.ShowText(nullptr, 5, {100, 100});
    EXPECT_EQ(f.tip.TipWidth(), 0);
    EXPECT_EQ(f.tip.TipHeight(), f.Measure("a").cy);
}

}  // namespace
