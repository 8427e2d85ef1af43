// Where the grid's keys take the focus day.
#include "view/GridKeys.h"

#include <gtest/gtest.h>

namespace {

using view::GridDate;
using view::GridKey;

TEST(GridKeys, MovesByDayWeekMonthAndYearWithinTheShownRange) {
    const struct {
        GridDate from;
        GridKey key;
        GridDate to;
    } cases[] = {
        {{2026, 12, 9}, GridKey::Left, {2026, 12, 8}},
        {{2026, 12, 1}, GridKey::Left, {2026, 11, 30}},  // into the month before
        {{2026, 1, 1}, GridKey::Left, {2025, 12, 31}},   // and the year before
        {{2024, 2, 28}, GridKey::Right, {2024, 2, 29}},  // leap February
        {{2023, 2, 28}, GridKey::Right, {2023, 3, 1}},
        {{2026, 12, 31}, GridKey::Right, {2027, 1, 1}},
        {{2024, 3, 3}, GridKey::Up, {2024, 2, 25}},
        {{2024, 2, 26}, GridKey::Down, {2024, 3, 4}},
        {{2026, 12, 28}, GridKey::Down, {2027, 1, 4}},
        {{2024, 1, 31}, GridKey::PageDown, {2024, 2, 29}},  // day 31 into a short month
        {{2023, 1, 31}, GridKey::PageDown, {2023, 2, 28}},
        {{2024, 3, 31}, GridKey::PageUp, {2024, 2, 29}},
        {{2024, 5, 31}, GridKey::PageDown, {2024, 6, 30}},
        {{2026, 12, 15}, GridKey::PageDown, {2027, 1, 15}},
        {{2026, 1, 15}, GridKey::PageUp, {2025, 12, 15}},
        {{2024, 2, 29}, GridKey::YearDown, {2025, 2, 28}},
        {{2024, 2, 29}, GridKey::YearUp, {2023, 2, 28}},
        {{2026, 12, 9}, GridKey::YearUp, {2025, 12, 9}},
        // the ends of the range: February 1900 and December 2049
        {{1900, 2, 1}, GridKey::Left, {1900, 2, 1}},
        {{1900, 2, 3}, GridKey::Up, {1900, 2, 1}},
        {{1900, 2, 20}, GridKey::PageUp, {1900, 2, 20}},
        {{1900, 3, 31}, GridKey::PageUp, {1900, 2, 28}},  // 1900 is no leap year
        {{1900, 12, 5}, GridKey::YearUp, {1900, 2, 5}},
        {{2049, 12, 31}, GridKey::Right, {2049, 12, 31}},
        {{2049, 12, 28}, GridKey::Down, {2049, 12, 31}},
        {{2049, 12, 10}, GridKey::PageDown, {2049, 12, 10}},
        {{2049, 3, 31}, GridKey::YearDown, {2049, 12, 31}},
        {{2049, 11, 30}, GridKey::Right, {2049, 12, 1}},
        {{1950, 6, 6}, GridKey::Home, {1950, 6, 6}},  // the navigation goes to today
    };
    for (const auto& c : cases) {
        const GridDate to = view::MoveFocus(c.from, c.key);
        EXPECT_EQ(to, c.to) << c.from.year << '-' << c.from.month << '-' << c.from.day << " key "
                            << static_cast<int>(c.key) << " gave " << to.year << '-' << to.month << '-' << to.day;
    }
}

TEST(GridKeys, AMonthShownByTheButtonsFocusesTodayOrItsFirstDay) {
    // today's month: today; any other month, or no today (a clock outside the range): day 1
    EXPECT_EQ(view::FocusDayOfShownMonth(2026, 12, {2026, 12, 9}), 9);
    EXPECT_EQ(view::FocusDayOfShownMonth(2026, 11, {2026, 12, 9}), 1);
    EXPECT_EQ(view::FocusDayOfShownMonth(2025, 12, {2026, 12, 9}), 1);
    EXPECT_EQ(view::FocusDayOfShownMonth(2026, 12, {0, 0, 0}), 1);
}

}  // namespace
