// When the day editor warns that a lunar-yearly note shows twice or skips years.
#include "view/LunarYearlyHint.h"

#include <gtest/gtest.h>

namespace {

using view::LunarYearlyHint;
using Kind = LunarYearlyHint::Kind;

TEST(LunarYearlyHint, TwiceInALeapTwinsYearElseSkippedShortMonthsOnDay30) {
    struct Case {
        int year, month, day, isLeap;
        LunarYearlyHint hint;
    };
    const Case cases[] = {
        {2025, 6, 12, 0, {Kind::ShowsTwice, 6, 2025}},        // 2025 has a leap sixth month
        {2025, 6, 12, 1, {Kind::ShowsTwice, 6, 2025}},        // the same note, from the leap month
        {2025, 6, 30, 0, {Kind::SkipsShortMonths, 6, 2026}},  // the leap sixth month has 29 days
        {2026, 6, 30, 0, {Kind::SkipsShortMonths, 6, 2029}},  // 2027 and 2028 have a short sixth month
        {2024, 8, 30, 0, {Kind::SkipsShortMonths, 8, 2029}},
        {2050, 11, 30, 0, {Kind::SkipsShortMonths, 11, 0}},  // no later year in the table
        {2024, 8, 29, 0, {}},
        {2026, 6, 12, 0, {}},
    };
    for (const Case& c : cases) {
        lunar::LunarDate date;
        date.year = c.year;
        date.month = c.month;
        date.day = c.day;
        date.isLeap = static_cast<std::uint8_t>(c.isLeap);
        EXPECT_EQ(view::LunarYearlyHintFor(date), c.hint) << c.year << '-' << c.month << '-' << c.day;
    }
}

TEST(LunarYearlyHint, TextNamesTheLeapMonthOrTheNextYear) {
    EXPECT_EQ(view::LunarYearlyHintText({Kind::ShowsTwice, 6, 2025}), "2025年有闰六月，此记事显示两次");
    EXPECT_EQ(view::LunarYearlyHintText({Kind::SkipsShortMonths, 6, 2029}),
              "农历三十：小月的年份不显示（下次显示：2029年）");
    EXPECT_EQ(view::LunarYearlyHintText({Kind::SkipsShortMonths, 11, 0}), "农历三十：小月的年份不显示");
    EXPECT_EQ(view::LunarYearlyHintText({}), "");
}

}  // namespace
