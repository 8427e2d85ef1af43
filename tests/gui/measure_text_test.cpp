// MeasureText: the widest "\r\n"-separated line, and as many "a"-heights
// as there are lines.
#include "framework/Dpi.h"
#include "framework/Gdi.h"
#include "view/LabelWnd.h"

#include <gtest/gtest.h>

namespace {

SIZE Extent(HDC dc, const char* text) {
    SIZE size{};
    ::GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
    return size;
}

TEST(MeasureText, WidestLineAndLineCount) {
    fw::CFont font;
    ASSERT_TRUE(font.CreatePointFont(110, "宋体", fw::WindowDpi(nullptr)));
    const fw::CClientDC dc(nullptr);
    const fw::SelectGuard selected(dc.get(), font.get());
    const LONG lineHeight = Extent(dc.get(), "a").cy;
    ASSERT_GT(lineHeight, 0);

    const struct {
        const char* text;
        const char* widest;
        LONG lines;
    } cases[] = {
        {"a\r\nbc", "bc", 2},
        {"", "", 1},
        {"wide line\r\nx", "wide line", 2},
        {"ab\r\n", "ab", 2},                        // a trailing break opens an empty last line
        {"a\r\n\r\nb", "a", 3},                     // an empty line in the middle
        {"one\rtwo\nthree", "one\rtwo\nthree", 1},  // only CR LF pairs break
        {"二月\r\n甲辰", "二月", 2},
    };
    for (const auto& c : cases) {
        const SIZE measured = view::MeasureText(dc.get(), c.text);
        EXPECT_EQ(measured.cx, Extent(dc.get(), c.widest).cx) << c.text;
        EXPECT_EQ(measured.cy, c.lines * lineHeight) << c.text;
    }
}

}  // namespace
