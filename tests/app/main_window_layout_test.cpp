// The main window's parts at 100, 125, 150 and 200 %: where they lie, that
// none covers another and that every text fits its room.
#include "app/CalendarLayout.h"
#include "tests/view/text_width_model.h"

#include <gtest/gtest.h>

namespace {

using app::LayOutMainWindow;
using layout_test::EmOfPoints;
using layout_test::kDpis;
using layout_test::ModelLineHeight;
using layout_test::ModelWidth;
using view::GridRect;

bool Inside(const GridRect& r, int width, int height) {
    return r.left >= 0 && r.top >= 0 && r.right <= width && r.bottom <= height && r.left < r.right && r.top < r.bottom;
}

TEST(MainWindowLayout, AtTheDesignDpiEveryPartStaysWhereItWas) {
    const app::MainWindowLayout l = LayOutMainWindow({96});
    EXPECT_EQ(l.width * 1000 + l.height, 363278);
    EXPECT_EQ(l.yearPicker, (GridRect{5, 0, 73, 22}));
    EXPECT_EQ(l.monthPicker, (GridRect{77, 0, 130, 22}));
    EXPECT_EQ(l.prevButton, (GridRect{190, 3, 220, 20}));
    EXPECT_EQ(l.closeButton, (GridRect{338, 3, 363, 20}));
    EXPECT_EQ(l.monthView, (GridRect{0, 22, 363, 258}));
    EXPECT_EQ(l.headline, (GridRect{2, 260, 190, 278}));
    EXPECT_EQ(l.nextArticle, (GridRect{250, 261, 310, 279}));
    EXPECT_EQ(l.headlineMaxWidth, 244);
}

TEST(MainWindowLayout, PickerListsKeepTheirLengthInItems) {
    const struct {
        int design, field, item, height;
    } cases[] = {
        {145, 22, 14, 145}, {138, 22, 14, 138},  // the design: unchanged
        {145, 30, 21, 215}, {145, 29, 19, 196},  // 150 %, items in proportion or not: 8.8 items
        {138, 38, 27, 262},                      // 200 %
    };
    for (const auto& c : cases) EXPECT_EQ(app::PickerHeight(c.design, c.field, c.item), c.height) << c.item;
}

TEST(MainWindowLayout, ScaledPartsAtEachDpi) {
    const struct {
        int dpi, width, height;
        GridRect monthView, prev, headline;
    } cases[] = {
        {120, 454, 348, {0, 28, 454, 323}, {238, 4, 275, 25}, {3, 326, 238, 349}},
        {144, 545, 417, {0, 33, 545, 387}, {285, 5, 330, 30}, {3, 390, 285, 417}},
        {192, 726, 556, {0, 44, 726, 516}, {380, 6, 440, 40}, {4, 520, 380, 556}},
    };
    for (const auto& c : cases) {
        const app::MainWindowLayout l = LayOutMainWindow({c.dpi});
        EXPECT_EQ(l.width * 1000 + l.height, c.width * 1000 + c.height) << c.dpi;
        EXPECT_EQ(l.monthView, c.monthView) << c.dpi;
        EXPECT_EQ(l.prevButton, c.prev) << c.dpi;
        EXPECT_EQ(l.headline, c.headline) << c.dpi;
    }
}

TEST(MainWindowLayout, NothingOverlapsAndEveryTextFits) {
    for (const int dpi : kDpis) {
        const app::MainWindowLayout l = LayOutMainWindow({dpi});
        const int headerEm = EmOfPoints(app::kHeaderPointSize, dpi);
        // The pickers: side by side, left of "上月", ending at the view's top;
        // the field of a font's em and its border (three pixels a side) fits.
        EXPECT_LE(l.yearPicker.right, l.monthPicker.left) << dpi;
        EXPECT_LE(l.monthPicker.right, l.prevButton.left) << dpi;
        EXPECT_LE(l.yearPicker.bottom, l.monthView.top) << dpi;
        EXPECT_LE(EmOfPoints(app::kPickerPointSize, dpi) + 6, l.pickerFieldHeight) << dpi;
        EXPECT_GE(l.monthPicker.right - l.monthPicker.left, ModelWidth("12月", EmOfPoints(app::kPickerPointSize, dpi)))
            << dpi;
        // The header buttons: each text ends before the next button starts,
        // and above the weekday band.
        const struct {
            GridRect room;
            const char* text;
            int nextLeft;
        } headers[] = {{l.prevButton, "上月", l.nextButton.left},
                       {l.nextButton, "下月", l.todayButton.left},
                       {l.todayButton, "返回", l.closeButton.left},
                       {l.closeButton, "×", l.width}};
        for (const auto& h : headers) {
            EXPECT_LT(h.room.left + ModelWidth(h.text, headerEm), h.nextLeft) << dpi << h.text;
            EXPECT_LE(h.room.top + ModelLineHeight(headerEm), l.monthView.top) << dpi << h.text;
            EXPECT_TRUE(Inside(h.room, l.width, l.height)) << dpi << h.text;
        }
        // The view and the headline strip inside the window, the strip's
        // lines whole, the title stopping short of "下一篇".
        EXPECT_TRUE(Inside(l.monthView, l.width, l.height)) << dpi;
        EXPECT_LE(l.headline.top + ModelLineHeight(EmOfPoints(app::kHeadlinePointSize, dpi)), l.height) << dpi;
        EXPECT_LE(l.nextArticle.top + ModelLineHeight(headerEm), l.height) << dpi;
        EXPECT_GE(l.headline.top, l.monthView.bottom) << dpi;
        EXPECT_LT(l.headline.left + l.headlineMaxWidth, l.nextArticle.left) << dpi;
        EXPECT_LE(l.nextArticle.left + ModelWidth("下一篇", headerEm), l.width) << dpi;
    }
}

}  // namespace
