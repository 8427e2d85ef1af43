// Previous and next month, the pickers, and going back to today.
#include "app/MonthNavigation.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using app::YearMonth;

TEST(MonthNavigation, PreviousAndNextStayInRange) {
    // shown, previous, next (year, month each)
    const int cases[][6] = {{2024, 1, 2023, 12, 2024, 2}, {2023, 12, 2023, 11, 2024, 1},  {1900, 2, 1900, 2, 1900, 3},
                            {1899, 6, 1900, 2, 1899, 7},  {2049, 12, 2049, 11, 2049, 12}, {2077, 5, 2077, 4, 2049, 12}};
    for (const auto& c : cases) {
        EXPECT_EQ(app::PreviousMonth({c[0], c[1]}), (YearMonth{c[2], c[3]})) << c[0] << '-' << c[1];
        EXPECT_EQ(app::NextMonth({c[0], c[1]}), (YearMonth{c[4], c[5]})) << c[0] << '-' << c[1];
    }
}

TEST(MonthNavigation, PickerItems) {
    // year item, month item -> chosen, year, month, month picker re-selected
    const int cases[][6] = {
        {0, 0, 1, 1900, 2, 1},         {0, 1, 1, 1900, 2, 0}, {149, 11, 1, 2049, 12, 0}, {app::kNoItem, 3, 0, 0, 0, 0},
        {5, app::kNoItem, 0, 0, 0, 0}, {150, 0, 0, 0, 0, 0},  {0, 12, 0, 0, 0, 0}};
    for (const auto& c : cases) {
        const auto expected = c[2] ? std::optional(app::PickerChoice{{c[3], c[4]}, c[5] == 1}) : std::nullopt;
        EXPECT_EQ(app::MonthForPickerItems(c[0], c[1]), expected) << c[0] << '/' << c[1];
    }
}

TEST(MonthNavigation, TodayOutsideTheRangeShowsTheNearestMonthUnmarked) {
    // today -> shown month, mark day
    const int cases[][6] = {{2024, 2, 10, 2024, 2, 10},   {1900, 1, 31, 1900, 2, 0}, {1899, 12, 31, 1900, 2, 0},
                            {2049, 12, 31, 2049, 12, 31}, {2077, 3, 4, 2049, 12, 0}, {1900, 2, 1, 1900, 2, 1}};
    for (const auto& c : cases)
        EXPECT_EQ(app::ShownMonthFor({c[0], c[1], c[2]}), (app::TodayView{{c[3], c[4]}, c[5]})) << c[0] << '-' << c[1];
}

TEST(MonthNavigation, TodayMoveComparesTheMarkNotThePointer) {
    // shown month, marked date -> move needed, today being 2024-03-01; then a
    // clock beyond the range, which leaves the last month as it is
    const int cases[][7] = {{2024, 3, 2024, 3, 1, 0},          {2024, 2, 2024, 2, 29, 1},
                            {2024, 3, 2024, 2, 29, 1},         {2024, 5, 2024, 3, 1, 1},
                            {2049, 12, 2049, 12, 31, 0, 2077}, {2049, 11, 2049, 12, 31, 1, 2077}};
    for (const auto& c : cases) {
        const app::CalendarDate today = c[6] ? app::CalendarDate{c[6], 1, 1} : app::CalendarDate{2024, 3, 1};
        EXPECT_EQ(app::TodayMoveNeeded({c[0], c[1]}, {c[2], c[3], c[4]}, today), c[5] == 1) << c[1] << '/' << c[4];
    }
}

}  // namespace
