// Where days sit in the grid and which day a client point falls on.
#include "view/DayLabelFit.h"
#include "view/MonthLayout.h"
#include "tests/view/text_width_model.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(MonthLayout, CellOriginsAndRing) {
    // first weekday, day, x, y; a Saturday-first 31st sits in row 5, column 1,
    // a Sunday-first February ends in row 3
    const int cases[][4] = {{0, 1, 0, 20}, {0, 8, 0, 53}, {6, 2, 0, 53}, {6, 31, 52, 185}, {0, 28, 312, 119}};
    for (const auto& c : cases) EXPECT_EQ(view::CellOrigin(c[0], c[1]), (view::GridPoint{c[2], c[3]})) << c[1];
    EXPECT_EQ(view::MarkRing({52, 53}), (view::GridRect{45, 46, 110, 94}));
    EXPECT_EQ(view::CellRect(6, 5), (view::GridRect{312, 186, 363, 218}));
}

TEST(MonthLayout, HitTest) {
    // first weekday, day count, x, y, day: header line, leading empty cell,
    // after the last day, the strip, and points outside the view
    const int cases[][5] = {{0, 31, 10, 19, 0},  {0, 31, 10, 20, 1},    {0, 31, 362, 30, 7}, {3, 31, 100, 30, 0},
                            {3, 31, 156, 30, 1}, {0, 28, 312, 150, 28}, {0, 28, 0, 160, 0},  {6, 31, 60, 200, 31},
                            {6, 31, 0, 230, 0},  {0, 31, 363, 30, 0},   {0, 31, -1, 60, 0},  {0, 31, 10, 236, 0}};
    for (const auto& c : cases) EXPECT_EQ(view::HitTestDay(c[0], c[1], {c[2], c[3]}), c[4]) << c[2] << ',' << c[3];
}

TEST(MonthLayout, HeaderBand) {
    const int points[][3] = {{0, 0, 1}, {362, 20, 1}, {10, 21, 0}, {10, -1, 0}, {363, 5, 0}};  // x, y, inside
    for (const auto& p : points) EXPECT_EQ(view::InHeaderBand({p[0], p[1]}), p[2] == 1) << p[0] << ',' << p[1];
    const int columns[][2] = {{51, 0}, {52, 1}, {312, 6}, {362, 6}, {500, 6}, {-60, 0}};
    for (const auto& c : columns) EXPECT_EQ(view::HeaderColumn(c[0]), c[1]) << c[0];
}

TEST(MonthLayout, ScheduleNoteOnlyWhereTheStripHasRoom) {
    // The year title ends at `title`; the site button is 243..288, the strip ends at 363.
    struct Case {
        int title, whole, shortWidth;
        std::optional<view::ScheduleNotePlace> want;
    } cases[] = {
        {100, 96, 60, view::ScheduleNotePlace{104, false}},
        {141, 96, 60, view::ScheduleNotePlace{145, false}},  // ends 2 short of the button
        {142, 60, 40, view::ScheduleNotePlace{146, false}},
        {200, 60, 40, view::ScheduleNotePlace{292, false}},  // after the button
        {200, 96, 60, view::ScheduleNotePlace{292, true}},
        {200, 96, 70, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(view::PlaceScheduleNote(c.title, 243, 288, 363, c.whole, c.shortWidth), c.want) << c.title;
    // At 150 % the gap and the margin grow with the rest: 6 and 3 pixels.
    EXPECT_EQ(view::PlaceScheduleNote(150, 365, 432, 545, 206, 90, {144}), (view::ScheduleNotePlace{156, false}));
    EXPECT_EQ(view::PlaceScheduleNote(150, 365, 432, 545, 207, 90, {144}), (view::ScheduleNotePlace{156, true}));
}

}  // namespace

// The grid at 100, 125, 150 and 200 %.
namespace scaled {

using layout_test::kDpis;
using view::GridRect;

TEST(MonthLayoutScaled, CellsTileTheViewWithLinesBetween) {
    for (const int dpi : kDpis) {
        const base::DpiScale s{dpi};
        const view::GridPoint size = view::ViewSize(s);
        EXPECT_EQ(size, (view::GridPoint{s(363), s(236)})) << dpi;
        for (int row = 0; row < view::kRows; ++row) {
            for (int column = 0; column < view::kColumns; ++column) {
                const GridRect c = view::CellRect(column, row, s);
                EXPECT_GE(c.top, s(view::kGridTop)) << dpi;
                EXPECT_LT(c.bottom, view::StripTop(s)) << dpi << " the strip's line stays";
                EXPECT_LE(c.right, size.x) << dpi;
                // A line at least a pixel wide before the next cell, right and down.
                if (column + 1 < view::kColumns) {
                    EXPECT_LT(c.right, view::CellRect(column + 1, row, s).left) << dpi;
                }
                if (row + 1 < view::kRows) {
                    EXPECT_LT(c.bottom, view::CellRect(column, row + 1, s).top) << dpi;
                }
                EXPECT_EQ(c.right - c.left, s(view::kCellWidth)) << dpi;
            }
        }
    }
}

TEST(MonthLayoutScaled, EveryPixelOfACellFindsItsDay) {
    for (const int dpi : kDpis) {
        const base::DpiScale s{dpi};
        for (int day = 1; day <= 31; ++day) {
            const int firstWeekday = 6;  // a 31st in row 5
            const int position = firstWeekday + day - 1;
            const GridRect c = view::CellRect(position % 7, position / 7, s);
            // The line to a cell's right and the one above it go with the cell.
            for (const view::GridPoint p : {view::GridPoint{c.left, c.top},
                                            {c.right - 1, c.bottom - 1},
                                            {std::min(c.right, view::ViewSize(s).x - 1), c.bottom - 1},
                                            {c.left, c.top - 1}})
                EXPECT_EQ(view::HitTestDay(firstWeekday, 31, p, s), day) << dpi << " day " << day;
            const view::GridPoint o = view::CellOrigin(firstWeekday, day, s);
            EXPECT_TRUE(o.x == c.left && o.y < c.top && o.y >= c.top - 2) << dpi << " the origin is the line above";
        }
        EXPECT_EQ(view::HitTestDay(0, 31, {5, s(view::kHeaderHeight) - 1}, s), 0) << dpi;
        EXPECT_EQ(view::HitTestDay(0, 31, {5, view::ViewSize(s).y}, s), 0) << dpi;
        EXPECT_TRUE(view::InHeaderBand({view::ViewSize(s).x - 1, s(view::kGridTop) - 1}, s)) << dpi;
        EXPECT_FALSE(view::InHeaderBand({5, s(view::kGridTop)}, s)) << dpi;
        EXPECT_EQ(view::HeaderColumn(view::CellRect(3, 0, s).left, s), 3) << dpi;
        EXPECT_EQ(view::HeaderColumn(view::CellRect(3, 0, s).left - 1, s), 2) << dpi;
        EXPECT_EQ(view::HeaderColumn(view::ViewSize(s).x + 50, s), 6) << dpi;
    }
}

TEST(MonthLayoutScaled, ADaysPartsFitItsCell) {
    for (const int dpi : kDpis) {
        const base::DpiScale s{dpi};
        const int width = s(view::kCellWidth), height = s(view::kCellHeight);
        // "30" in the day-number face (digits about two thirds of an em), then the 休 square.
        const int digit = (s(view::kDayNumberFontHeight) * 2 + 2) / 3;
        EXPECT_LE(s(view::kDayNumberLeft) + 2 * digit, s(view::kDayOffMarkLeft)) << dpi;
        EXPECT_LE(s(view::kDayOffMarkLeft) + s(view::kDayOffMarkSize), width) << dpi;
        EXPECT_LE(s(view::kDayLabelTop) + s(view::kLunarFontHeight), height) << dpi;
        // The longest lunar label, five double-width characters, fits in the narrow font.
        EXPECT_LE(5 * 2 * view::NarrowLabelCharWidth(s), width) << dpi;
        EXPECT_EQ(view::PlaceDayLabel(layout_test::ModelWidth("正月", s(14)), 0, s).offset, s(view::kDayLabelOffset))
            << dpi;
        const view::DayLabelPlacement narrow =
            view::PlaceDayLabel(layout_test::ModelWidth("闰十一月初", s(14)), 10 * view::NarrowLabelCharWidth(s), s);
        EXPECT_EQ(narrow.font, view::DayLabelFont::Narrow) << dpi;
        EXPECT_LE(narrow.offset + 10 * view::NarrowLabelCharWidth(s), width) << dpi;
        // The ring reaches past the cell on every side.
        const GridRect ring = view::MarkRing(view::CellOrigin(0, 10, s), s);
        const GridRect cell = view::CellRect(2, 1, s);
        EXPECT_TRUE(ring.left < cell.left && ring.top < cell.top && ring.right > cell.right &&
                    ring.bottom > cell.bottom)
            << dpi;
    }
    EXPECT_EQ(view::NarrowLabelCharWidth({}), 5);
    EXPECT_EQ(view::NarrowLabelCharWidth({144}), 7) << "7.5 rounded up would pass the cell";
}

}  // namespace scaled
