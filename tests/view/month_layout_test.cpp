// Where days sit in the grid and which day a client point falls on.
#include "view/MonthLayout.h"

#include <gtest/gtest.h>

namespace {

using view::GridPoint;

TEST(MonthLayout, CellOrigins) {
    struct Case {
        int firstWeekday, day;
        GridPoint origin;
    };
    const Case cases[] = {
        {0, 1, {0, 20}},     {0, 8, {0, 53}},    {6, 1, {312, 20}},
        {6, 2, {0, 53}},     {6, 31, {52, 185}},  // Saturday-first 31-day month: row 5, column 1
        {0, 28, {312, 119}},                      // Sunday-first February ends in row 3
    };
    for (const Case& c : cases)
        EXPECT_EQ(view::CellOrigin(c.firstWeekday, c.day), c.origin) << c.firstWeekday << '/' << c.day;
}

TEST(MonthLayout, HitTest) {
    struct Case {
        int firstWeekday, dayCount, x, y, day;
    };
    const Case cases[] = {
        {0, 31, 10, 19, 0},  {0, 31, 10, 20, 1},    {0, 31, 362, 30, 7}, {3, 31, 100, 30, 0},  // leading empty cell
        {3, 31, 156, 30, 1}, {0, 28, 312, 150, 28}, {0, 28, 0, 160, 0},  {6, 31, 60, 200, 31},
        {6, 31, 0, 230, 0},                                                                    // strip
        {0, 31, 363, 30, 0}, {0, 31, -1, 60, 0},    {0, 31, 10, 236, 0}, {0, 31, 400, 30, 0},  // outside
    };
    for (const Case& c : cases)
        EXPECT_EQ(view::HitTestDay(c.firstWeekday, c.dayCount, {c.x, c.y}), c.day) << c.x << ',' << c.y;
}

TEST(MonthLayout, HeaderBandAndColumns) {
    EXPECT_TRUE(view::InHeaderBand({0, 0}));
    EXPECT_TRUE(view::InHeaderBand({362, 20}));
    EXPECT_FALSE(view::InHeaderBand({10, 21}));
    EXPECT_FALSE(view::InHeaderBand({10, -1}));
    EXPECT_FALSE(view::InHeaderBand({363, 5}));
    const int columns[][2] = {{0, 0}, {51, 0}, {52, 1}, {311, 5}, {312, 6}, {362, 6}, {500, 6}, {-60, 0}};
    for (const auto& c : columns) EXPECT_EQ(view::HeaderColumn(c[0]), c[1]) << c[0];
}

TEST(MonthLayout, RingAndCells) {
    EXPECT_EQ(view::MarkRing({52, 53}), (view::GridRect{45, 46, 110, 94}));
    EXPECT_EQ(view::CellRect(0, 0), (view::GridRect{0, 21, 51, 53}));
    EXPECT_EQ(view::CellRect(6, 5), (view::GridRect{312, 186, 363, 218}));
}

}  // namespace
