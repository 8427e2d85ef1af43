// Keeping windows on the screen.
#include "app/WindowPlacement.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using app::ScreenPoint;

TEST(WindowPlacement, KeepInsideWorkArea) {
    const std::vector<app::ScreenRect> screen = {{0, 0, 1280, 800}};
    const std::vector<app::ScreenRect> monitors = {{0, 0, 1280, 770}, {-1024, 100, 0, 868}};
    // work areas, from, to: the whole 363 x 278 window inside the area it covers most, else the nearest
    const struct {
        const std::vector<app::ScreenRect>& areas;
        int x, y, toX, toY;
    } cases[] = {
        {screen, 1100, 785, 917, 522},  // not (917, 575): the strips below the grid stay on the screen
        {screen, 917, 522, 917, 522},   {screen, 400, 790, 400, 522},   {screen, -40, -10, 0, 0},
        {screen, INT_MAX, INT_MAX, 917, 522},
        {monitors, 1100, 785, 917, 492},   // above the taskbar
        {monitors, -300, 300, -363, 300},  // mostly on the left monitor
        {monitors, -100, 300, 0, 300},     // mostly on the primary one
        {monitors, -2000, 900, -1024, 590}, {monitors, 3000, -500, 917, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(app::KeepInsideWorkArea({c.x, c.y}, 363, 278, c.areas), (ScreenPoint{c.toX, c.toY})) << c.x << "," << c.y;
    EXPECT_EQ(app::KeepInsideWorkArea({900, 900}, 363, 278, {{0, 0, 300, 200}}), (ScreenPoint{0, 0})) << "too large";
    EXPECT_EQ(app::KeepInsideWorkArea({5000, 50}, 363, 278, {}), (ScreenPoint{5000, 50})) << "no monitor known";
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

TEST(WindowPlacement, PlaceMemoTab) {
    const app::ScreenRect area{0, 0, 1280, 770};
    // calendar left, top; tab at: right of it, left of it, inside the work area
    const int cases[][4] = {{500, 300, 873, 559},  {917, 492, 879, 751},  {917, 522, 879, 751},
                            {-20, 300, 353, 559},  {0, 300, 373, 559},    {-100, 600, 273, 751}};
    for (const auto& c : cases) {
        const app::ScreenRect calendar{c[0], c[1], c[0] + 363, c[1] + 278};
        EXPECT_EQ(app::PlaceMemoTab(calendar, 28, 19, area, {}), (ScreenPoint{c[2], c[3]})) << c[0] << "," << c[1];
    }
    // Neither side fits: a calendar as wide as the work area.
    EXPECT_EQ(app::PlaceMemoTab({0, 0, 1280, 278}, 28, 19, area, {}), (ScreenPoint{1252, 259}));
    // At 144 DPI (calendar 545 x 417, tab 42 x 29) the gap is 15 pixels on either side.
    const base::DpiScale at144{144};
    EXPECT_EQ(app::PlaceMemoTab({500, 300, 1045, 717}, 42, 29, area, at144), (ScreenPoint{1060, 688}));
    EXPECT_EQ(app::PlaceMemoTab({700, 300, 1245, 717}, 42, 29, area, at144), (ScreenPoint{643, 688}));
}

TEST(WindowPlacement, PlaceMemoPad) {
    const app::ScreenRect area{0, 0, 1280, 770};
    // calendar left, top; pad at: below it, above it (bottom-right corner), inside on the left and top
    const int cases[][4] = {{500, 200, 500, 488}, {917, 492, 917, 311}, {-50, 200, 0, 488}, {100, 100, 100, 388}};
    for (const auto& c : cases) {
        const app::ScreenRect calendar{c[0], c[1], c[0] + 363, c[1] + 278};
        EXPECT_EQ(app::PlaceMemoPad(calendar, 194, 171, area, {}), (ScreenPoint{c[2], c[3]})) << c[0] << "," << c[1];
    }
    // Neither above nor below fits: a calendar as tall as the work area.
    EXPECT_EQ(app::PlaceMemoPad({1000, 0, 1363, 770}, 194, 171, area, {}), (ScreenPoint{1000, 599}));
    // At 144 DPI (calendar 545 x 417, pad 291 x 257) the gap is 15 pixels below or above.
    const base::DpiScale at144{144};
    EXPECT_EQ(app::PlaceMemoPad({500, 50, 1045, 467}, 291, 257, area, at144), (ScreenPoint{500, 482}));
    EXPECT_EQ(app::PlaceMemoPad({500, 350, 1045, 767}, 291, 257, area, at144), (ScreenPoint{500, 78}));
}

}  // namespace
