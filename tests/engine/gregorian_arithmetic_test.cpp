// Leap years, month lengths, day differences and weekdays, checked against
// the standard library's proleptic Gregorian calendar over the whole range.
#include "engine/LunarDate.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

using namespace lunar;
namespace chr = std::chrono;

chr::sys_days Civil(int y, int m, int d) {
    return chr::sys_days{chr::year{y} / chr::month{static_cast<unsigned>(m)} / chr::day{static_cast<unsigned>(d)}};
}

TEST(GregorianArithmetic, KnownValues) {
    EXPECT_EQ(DaysBetween(1900, 1, 31, 1900, 1, 31), 0);
    EXPECT_EQ(DaysBetween(1900, 1, 30, 1900, 1, 31), -1);
    EXPECT_EQ(DaysBetween(2000, 1, 1, 1900, 1, 31), 36494);
    EXPECT_EQ(Weekday(1900, 1, 31), 3);
    EXPECT_EQ(Weekday(2000, 1, 1), 6);
    EXPECT_EQ(Weekday(2024, 2, 10), 6);
    EXPECT_EQ(GregorianMonthLength(1900, 2), 28);
    EXPECT_EQ(GregorianMonthLength(2000, 2), 29);
    EXPECT_EQ(GregorianMonthLength(2024, 2), 29);
    EXPECT_EQ(GregorianMonthLength(2023, 13), 0);
    EXPECT_EQ(GregorianMonthLength(2023, 0), 0);
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_FALSE(IsLeapYear(2100));
    EXPECT_TRUE(IsLeapYear(2024));
}

TEST(GregorianArithmetic, MatchesStandardCalendarOverEveryDay) {
    const chr::sys_days base = Civil(1900, 1, 31);
    for (int y = 1890; y <= 2060; ++y) {
        const bool leap = chr::year{y}.is_leap();
        ASSERT_EQ(IsLeapYear(static_cast<std::int16_t>(y)), leap) << y;
        for (int m = 1; m <= 12; ++m) {
            const unsigned length =
                static_cast<unsigned>((chr::year{y} / chr::month{static_cast<unsigned>(m)} / chr::last).day());
            ASSERT_EQ(GregorianMonthLength(static_cast<std::uint16_t>(y), static_cast<std::uint16_t>(m)), length);
            for (int d = 1; d <= static_cast<int>(length); ++d) {
                const chr::sys_days day = Civil(y, m, d);
                ASSERT_EQ(DaysBetween(y, m, d, 1900, 1, 31), (day - base).count()) << y << '-' << m << '-' << d;
                ASSERT_EQ(Weekday(static_cast<std::uint16_t>(y), static_cast<std::uint16_t>(m),
                                  static_cast<std::uint16_t>(d)),
                          static_cast<int>(chr::weekday{day}.c_encoding()))
                    << y << '-' << m << '-' << d;
            }
        }
    }
}

// Every year the function takes, year 0 and the turns of the 400-year cycle
// included, against the standard calendar; 65535 lies beyond it and is
// checked through the cycle.
TEST(GregorianArithmetic, WeekdayOfEveryAcceptedYear) {
    for (const int y : {0, 1, 2, 3, 4, 99, 100, 101, 399, 400, 401, 1600, 1899, 9999, 32767}) {
        for (const int m : {1, 2, 3, 12}) {
            const auto length = GregorianMonthLength(static_cast<std::uint16_t>(y), static_cast<std::uint16_t>(m));
            for (int d = 1; d <= length; ++d)
                ASSERT_EQ(Weekday(static_cast<std::uint16_t>(y), static_cast<std::uint16_t>(m),
                                  static_cast<std::uint16_t>(d)),
                          static_cast<int>(chr::weekday{Civil(y, m, d)}.c_encoding()))
                    << y << '-' << m << '-' << d;
        }
    }
    EXPECT_EQ(Weekday(0, 1, 7), 5);  // a Friday
    EXPECT_EQ(Weekday(65535, 3, 1), Weekday(65535 - 400 * 163, 3, 1));
}

TEST(GregorianArithmetic, ConvertibleRangeIsExactlyTheTableRange) {
    struct Case {
        int y, m, d;
        bool convertible;
    };
    const Case cases[] = {
        {1900, 1, 30, false}, {1900, 1, 31, true},  {2051, 2, 10, true},   {2051, 2, 11, false},
        {2024, 2, 30, false}, {2023, 2, 29, false}, {2024, 2, 29, true},   {2024, 13, 1, false},
        {2024, 0, 1, false},  {2024, 1, 0, false},  {1899, 12, 31, false}, {2100, 1, 1, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsConvertible(c.y, c.m, c.d), c.convertible) << c.y << '-' << c.m << '-' << c.d;
}

}  // namespace
