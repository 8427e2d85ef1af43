// Keeping a rectangle inside an area of the screen.
#include "base/ScreenRect.h"

#include <gtest/gtest.h>

namespace {

using base::ScreenRect;

TEST(ScreenRect, KeepInside) {
    const ScreenRect area{0, 0, 1280, 770};
    const struct {
        ScreenRect from, to;
    } cases[] = {
        {{100, 100, 200, 150}, {100, 100, 200, 150}},       // inside: unchanged
        {{819, 472, 1471, 850}, {628, 392, 1280, 770}},     // past the right and the foot
        {{-30, -10, 70, 40}, {0, 0, 100, 50}},              // past the left and the top
        {{500, 100, 1900, 200}, {0, 100, 1400, 200}},       // wider than the area: its left edge
        {{-1500, 300, -1400, 1300}, {0, 0, 100, 1000}},     // on another monitor, taller than this one
    };
    for (const auto& c : cases) EXPECT_EQ(base::KeepInside(c.from, area), c.to) << c.from.left;
    EXPECT_EQ(base::KeepInside({10, 10, 20, 20}, {-1024, 100, 0, 868}), (ScreenRect{-10, 100, 0, 110}));
}

}  // namespace
