// Where days sit in the grid and which day a client point falls on.
#include "view/MonthLayout.h"

#include <gtest/gtest.h>

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
}

}  // namespace
