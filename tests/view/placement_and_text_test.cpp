// The day tip beside the pointer, lunar labels in their cells, and what a
// label shows of its text.
#include "view/DayLabelFit.h"
#include "view/DayTipPlacement.h"
#include "view/ShownText.h"

#include <gtest/gtest.h>

namespace {

using base::ScreenRect;
using view::DayLabelFont;
using view::DayLabelPlacement;

TEST(DayTipPlacement, BelowThePointerAboveItAtTheFootAndInsideTheWorkArea) {
    const ScreenRect area{0, 0, 1280, 770};
    const struct {
        int x, y, width, height;
        ScreenRect placed;
    } cases[] = {
        {500, 300, 80, 16, {462, 312, 542, 328}},   // below, centred
        {500, 760, 80, 16, {462, 732, 542, 748}},   // above at the foot
        {1270, 300, 80, 16, {1200, 312, 1280, 328}},  // left at the right edge
        {1275, 765, 100, 32, {1180, 721, 1280, 753}},  // both in the corner
        {5, 300, 80, 16, {0, 312, 80, 328}},
        {500, 100, 80, 700, {462, 0, 542, 700}},  // fits neither below nor above
    };
    for (const auto& c : cases)
        EXPECT_EQ(view::PlaceDayTip(c.x, c.y, c.width, c.height, area), c.placed) << c.x << "," << c.y;
    // At 150 % the gap to the pointer is 18 pixels, below it and above it.
    EXPECT_EQ(view::PlaceDayTip(500, 300, 120, 24, area, {144}), (ScreenRect{443, 318, 563, 342}));
    EXPECT_EQ(view::PlaceDayTip(500, 760, 120, 24, area, {144}), (ScreenRect{443, 718, 563, 742}));
}

TEST(DayLabelFit, FittingLabelsStayWiderOnesMoveLeftOrNarrow) {
    const struct {
        int width, narrowWidth;
        DayLabelPlacement placed;
    } cases[] = {
        {28, 20, {DayLabelFont::Regular, 6}}, {45, 30, {DayLabelFont::Regular, 6}},
        {46, 30, {DayLabelFont::Regular, 5}}, {51, 40, {DayLabelFont::Regular, 0}},
        {56, 45, {DayLabelFont::Narrow, 6}},  {70, 50, {DayLabelFont::Narrow, 1}},
        {80, 60, {DayLabelFont::Narrow, 0}},
    };
    for (const auto& c : cases) EXPECT_EQ(view::PlaceDayLabel(c.width, c.narrowWidth), c.placed) << c.width;
}

TEST(ShownText, PrefixesGoDoubledAmpersandsShowOnce) {
    const char* cases[][2] = {{"AT&&T", "AT&T"}, {"&File", "File"}, {"a&", "a"},         {"&&&x", "&x"},
                              {"", ""},          {"上月", "上月"},  {"A&&&&B", "A&&B"}};
    for (const auto& c : cases) EXPECT_EQ(view::ShownText(c[0]), c[1]) << c[0];
}

}  // namespace
