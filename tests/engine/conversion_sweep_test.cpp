// Sweeps over every convertible day: the table-driven conversion must give
// exactly what the plain year-by-year, month-by-month walk gives, and a
// record advanced with NextDay must agree with converting each day directly.
#include "engine/LunarDate.h"

#include <gtest/gtest.h>

namespace {

using namespace lunar;

// The straightforward walk: subtract whole lunar years from the day count
// since 1900-01-31, then whole months in the order 1, ..., leap, leap (the
// leap month), leap + 1, ..., 12.
LunarDate WalkConversion(int y, int m, int d) {
    LunarDate r;
    int elapsed = DaysBetween(y, m, d, 1900, 1, 31);
    int last = 0;
    int year = 1900;
    while (elapsed > 0) {
        last = LunarYearLength(year);
        elapsed -= last;
        ++year;
        if (year == 2050) break;
    }
    if (elapsed < 0) {
        elapsed += last;
        --year;
    }
    r.year = year;
    const int leap = LeapMonth(year);
    int isLeap = 0;
    int i = 1;
    while (elapsed > 0) {
        if (leap > 0 && i == leap + 1 && isLeap == 0) {
            --i;
            isLeap = 1;
            last = LeapMonthLength(year);
        } else {
            last = LunarMonthLength(year, i);
        }
        if (isLeap == 1 && i == leap + 1) isLeap = 0;
        elapsed -= last;
        ++i;
        if (i == 13) break;
    }
    if (elapsed == 0 && leap > 0 && i == leap + 1) {
        if (isLeap == 1) {
            isLeap = 0;
        } else {
            isLeap = 1;
            --i;
        }
    }
    if (elapsed < 0) {
        elapsed += last;
        --i;
        r.monthLength = last;
    } else if (elapsed == 0) {
        r.monthLength = isLeap ? LeapMonthLength(year) : LunarMonthLength(year, i);
    }
    r.month = i;
    r.day = elapsed + 1;
    r.elapsed = elapsed;
    r.isLeap = static_cast<std::uint8_t>(isLeap);
    r.pairedMonth = (i == leap) ? 1 : 0;
    return r;
}

template <typename Visit>
void ForEachConvertibleDay(Visit visit) {
    for (int y = 1900; y <= 2051; ++y)
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= GregorianMonthLength(static_cast<std::uint16_t>(y), static_cast<std::uint16_t>(m));
                 ++d)
                if (IsConvertible(y, m, d)) visit(y, m, d);
}

TEST(ConversionSweep, TableSearchEqualsTheWalkOnEveryDay) {
    int days = 0;
    ForEachConvertibleDay([&](int y, int m, int d) {
        LunarDate fast;
        ASSERT_TRUE(fast.FromGregorian(y, m, d));
        ASSERT_EQ(fast, WalkConversion(y, m, d)) << y << '-' << m << '-' << d;
        ++days;
    });
    EXPECT_EQ(days, kLastConvertibleDays + 1);
}

TEST(ConversionSweep, NextDayEqualsConversionOnEveryDay) {
    LunarDate stepped;
    ASSERT_TRUE(stepped.FromGregorian(1900, 1, 31));
    bool first = true;
    ForEachConvertibleDay([&](int y, int m, int d) {
        if (!first) stepped.NextDay();
        first = false;
        LunarDate direct;
        ASSERT_TRUE(direct.FromGregorian(y, m, d));
        ASSERT_EQ(stepped.year, direct.year) << y << '-' << m << '-' << d;
        ASSERT_EQ(stepped.month, direct.month) << y << '-' << m << '-' << d;
        ASSERT_EQ(stepped.day, direct.day) << y << '-' << m << '-' << d;
        ASSERT_EQ(stepped.isLeap, direct.isLeap) << y << '-' << m << '-' << d;
        ASSERT_EQ(stepped.pairedMonth, direct.pairedMonth) << y << '-' << m << '-' << d;
        ASSERT_EQ(stepped.monthLength, direct.monthLength) << y << '-' << m << '-' << d;
    });
    EXPECT_EQ(stepped.elapsed, kLastConvertibleDays) << "one step per day since 1900-01-31";
}

// Each lunar year is as long as the days between consecutive new years.
TEST(ConversionSweep, YearLengthsMatchNewYearSpacing) {
    int previousNewYear = -1;
    int previousYear = 0;
    ForEachConvertibleDay([&](int y, int m, int d) {
        LunarDate l;
        ASSERT_TRUE(l.FromGregorian(y, m, d));
        if (l.month == 1 && l.day == 1 && l.isLeap == 0) {
            const int today = DaysBetween(y, m, d, 1900, 1, 31);
            if (previousNewYear >= 0) {
                EXPECT_EQ(today - previousNewYear, LunarYearLength(previousYear)) << previousYear;
            }
            previousNewYear = today;
            previousYear = l.year;
        }
    });
    EXPECT_EQ(previousYear, 2050);
}

}  // namespace
