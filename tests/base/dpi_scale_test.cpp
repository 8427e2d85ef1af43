// The one rounding of design pixels to screen pixels.
#include "base/DpiScale.h"

#include <gtest/gtest.h>

namespace {

TEST(DpiScale, RoundsHalvesAwayFromZero) {
    const struct {
        int value, dpi, scaled;
    } cases[] = {
        {0, 144, 0},          {1, 96, 1},       {363, 96, 363},   // the design itself
        {1, 120, 1},          {2, 120, 3},      {3, 120, 4},      // 125 %: 1.25, 2.5, 3.75
        {-2, 120, -3},        {-1, 120, -1},    {-3, 120, -4},    // negatives mirror the positives
        {1, 144, 2},          {3, 144, 5},      {51, 144, 77},    // 150 %: odd sizes end on a half
        {-7, 144, -11},       {17, 144, 26},    {363, 120, 454},  // 453.75
        {17, 120, 21},        {19, 120, 24},    {278, 144, 417},
        {51, 192, 102},       {-51, 192, -102}, {5, 168, 9},   // 175 %: 8.75
        {1, 72, 1},           {3, 72, 2},       {-3, 72, -2},  // below the design: 0.75, 2.25
        {20000, 480, 100000},                                  // no overflow at 500 %
    };
    for (const auto& c : cases) EXPECT_EQ(base::ScaleToDpi(c.value, c.dpi), c.scaled) << c.value << " at " << c.dpi;
}

TEST(DpiScale, ScaleOfAWindow) {
    constexpr base::DpiScale design{};
    static_assert(design(52) == 52);
    const base::DpiScale at150{144};
    // Neighbouring edges never meet: a one-pixel gap of the design stays at least one pixel.
    for (int x = 0; x < 400; ++x) EXPECT_GE(at150(x + 1) - at150(x), 1) << x;
    EXPECT_EQ(at150(52) - at150(51), 1);
}

}  // namespace
