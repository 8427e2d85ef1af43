// The self-drawn label: fitting to its text, showing, "&" handling, and
// leaving no window or GDI object behind.
#include "framework/Dpi.h"
#include "framework/LiveCounts.h"
#include "tests/gui/GuiHarness.h"
#include "view/LabelWnd.h"

#include <gtest/gtest.h>

namespace {

using gui_test::Pixels;
using gui_test::PumpUntilIdle;

constexpr COLORREF kBack = RGB(255, 215, 0);
constexpr COLORREF kText = RGB(0, 0, 0);

SIZE FittedSize(view::CLabelWnd& label, const char* text) {
    fw::CFont font;
    font.CreatePointFont(110, "宋体", fw::WindowDpi(label.hwnd()));
    const fw::CClientDC dc(label.hwnd());
    const fw::SelectGuard selected(dc.get(), font.get());
    return view::MeasureText(dc.get(), text);
}

SIZE ClientSize(HWND window) {
    RECT client;
    ::GetClientRect(window, &client);
    return {client.right, client.bottom};
}

TEST(LabelWnd, SetTextWithoutShowKeepsItHiddenAndShowsFittedLater) {
    gui_test::TestParent parent(0);
    view::CLabelWnd label;
    ASSERT_TRUE(label.Create({10, 20, 200, 60}, &parent, 7, kBack, kText, 110, "宋体"));
    EXPECT_FALSE(::IsWindowVisible(label.hwnd())) << "made hidden";

    label.SetText("癸卯【兔】年\r\n甲辰", FALSE);
    PumpUntilIdle();
    EXPECT_FALSE(::IsWindowVisible(label.hwnd()));

    ::ShowWindow(label.hwnd(), SW_SHOW);
    EXPECT_TRUE(::IsWindowVisible(label.hwnd()));
    const SIZE fitted = FittedSize(label, "癸卯【兔】年\r\n甲辰");
    const SIZE shown = ClientSize(label.hwnd());
    EXPECT_EQ(shown.cx, fitted.cx);
    EXPECT_EQ(shown.cy, fitted.cy);

    // The top-left corner stays where it was made.
    POINT corner{0, 0};
    ::MapWindowPoints(label.hwnd(), parent.hwnd(), &corner, 1);
    EXPECT_EQ(corner.x, 10);
    EXPECT_EQ(corner.y, 20);

    // Text on the strip colour, with nothing but the two colours in it.
    const Pixels pixels = Pixels::Of(label.hwnd());
    const RECT all{0, 0, pixels.Width(), pixels.Height()};
    EXPECT_GT(pixels.Count(all, kBack), 0);
    EXPECT_GT(pixels.Count(all, kText), 0);
}

TEST(LabelWnd, AmpersandIsAMnemonicAndIsNotDrawn) {
    gui_test::TestParent parent(0);
    view::CLabelWnd withPrefix, plain;
    ASSERT_TRUE(withPrefix.Create({10, 10, 100, 40}, &parent, 1, kBack, kText, 110, "宋体"));
    ASSERT_TRUE(plain.Create({10, 60, 100, 90}, &parent, 2, kBack, kText, 110, "宋体"));
    withPrefix.SetText("x&y", TRUE);
    plain.SetText("xy", TRUE);
    PumpUntilIdle();

    const Pixels a = Pixels::Of(withPrefix.hwnd());
    const Pixels b = Pixels::Of(plain.hwnd());
    // "x&y" shows as "xy" with y underlined: above the underline rows the
    // first width("xy") columns are the same picture.
    const int width = ClientSize(plain.hwnd()).cx;
    ASSERT_GT(width, 0);
    const int rowsAboveUnderline = b.Height() - 3;
    int differing = 0;
    for (int y = 0; y < rowsAboveUnderline; ++y)
        for (int x = 0; x < width; ++x)
            if (a.At(x, y) != b.At(x, y)) ++differing;
    EXPECT_EQ(differing, 0);

    // Sized to what it shows: "&&" is one "&" on the screen.
    plain.SetText("A&&B", TRUE);
    EXPECT_EQ(ClientSize(plain.hwnd()).cx, FittedSize(plain, "A&B").cx);
}

TEST(LabelWnd, WithoutAWindowItRepaintsNothingElse) {
    gui_test::TestParent parent(0);
    PumpUntilIdle();
    view::CLabelWnd never;  // its window was never made
    never.SetText("x", TRUE);
    never.ChangeTextColor(kBack);
    RECT dirty{};
    EXPECT_FALSE(::GetUpdateRect(parent.hwnd(), &dirty, FALSE)) << "the desktop was invalidated";
}

TEST(LabelWnd, LeavesNoWindowOrGdiObjectBehind) {
    gui_test::TestParent parent(0);
    const int windows = fw::LiveWindows();
    const int gdiObjects = fw::LiveGdiObjects();
    {
        view::CLabelWnd label;
        ASSERT_TRUE(label.Create({0, 0, 10, 10}, &parent, 3, kBack, kText, 110, "宋体"));
        EXPECT_EQ(fw::LiveWindows(), windows + 1);
        EXPECT_EQ(fw::LiveGdiObjects(), gdiObjects + 1) << "its font";
        for (int i = 0; i < 50; ++i) {
            label.SetText(i % 2 ? "上月" : "下月\r\n返回", TRUE);
            ::UpdateWindow(label.hwnd());
        }
        PumpUntilIdle();
        EXPECT_EQ(fw::LiveGdiObjects(), gdiObjects + 1) << "painting makes nothing that stays";
    }
    EXPECT_EQ(fw::LiveWindows(), windows);
    EXPECT_EQ(fw::LiveGdiObjects(), gdiObjects);
}

}  // namespace
