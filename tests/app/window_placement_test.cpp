// Keeping windows on the screen.
#include "app/WindowPlacement.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using app::ScreenPoint;

TEST(WindowPlacement, ClampToFullScreen) {
    const int cases[][4] = {
        {917, 564, 917, 564}, {918, 565, 917, 564}, {INT_MAX, INT_MAX, 917, 564}, {-20, -5, -20, -5}};
    for (const auto& c : cases)
        EXPECT_EQ(app::ClampToFullScreen({c[0], c[1]}, 1280, 800), (ScreenPoint{c[2], c[3]})) << c[0];
}

TEST(WindowPlacement, MoveOntoWorkAreas) {
    const std::vector<app::ScreenRect> monitors = {{0, 0, 1280, 770}, {-1024, 100, 0, 868}};
    // from, to: still touching stays (also partly off the left monitor);
    // else onto the nearest area, wholly inside it
    const int cases[][4] = {{1200, 700, 1200, 700},   {-1100, 200, -1100, 200}, {1500, 300, 917, 300},
                            {-2000, 900, -1024, 590}, {3000, -500, 917, 0},     {INT_MAX, INT_MAX, 917, 492}};
    for (const auto& c : cases)
        EXPECT_EQ(app::MoveOntoWorkAreas({c[0], c[1]}, 363, 278, monitors), (ScreenPoint{c[2], c[3]})) << c[0];
    EXPECT_EQ(app::MoveOntoWorkAreas({900, 900}, 363, 278, {{0, 0, 300, 200}}), (ScreenPoint{0, 0})) << "too large";
    EXPECT_EQ(app::MoveOntoWorkAreas({5000, 50}, 363, 278, {}), (ScreenPoint{5000, 50}));
}

}  // namespace
