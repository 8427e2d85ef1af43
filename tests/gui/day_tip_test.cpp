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

// A line of one repeated character exactly `width` pixels wide.
std::string LineOfWidth(Fixture& f, int width) {
    for (const char c : std::string("0a8M x-")) {
        for (int n = 1; n <= width; ++n) {
            const std::string line(static_cast<std::size_t>(n), c);
            const LONG measured = f.Measure(line).cx;
            if (measured == width) return line;
            if (measured > width) break;
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
    const int yellow = pixels.Count(all, RGB(255, 255, 0));
    const int red = pixels.Count(all, RGB(255, 0, 0));
    EXPECT_GT(red, 0);
    // Text is drawn without smoothing into other colours here, so every
    // pixel is one of the two.
    EXPECT_EQ(yellow + red, pixels.Width() * pixels.Height());
    // Right of the short second line there is only background.
    const int shortLine = f.Measure("生日").cx;
    EXPECT_EQ(pixels.Count({shortLine + 1, lineHeight, pixels.Width(), 2 * lineHeight}, RGB(255, 255, 0)),
              (pixels.Width() - shortLine - 1) * lineHeight);
}

TEST(DayTip, NoTextLeavesAnEmptyOneLineTip) {
    Fixture f;
    f.tip.ShowText(nullptr, 5, {100, 100});
    EXPECT_EQ(f.tip.TipWidth(), 0);
    EXPECT_EQ(f.tip.TipHeight(), f.Measure("a").cy);
}

}  // namespace
