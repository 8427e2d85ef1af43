// Gregorian to lunar conversion at known dates: lunar new years and leap
// months as published in almanacs, and the boundaries of the table.
#include "engine/LunarDate.h"

#include <gtest/gtest.h>

namespace {

using namespace lunar;

struct Expected {
    int gy, gm, gd;  // Gregorian date
    int ly, lm, ld;  // lunar year, month, day
    int isLeap, paired, length;
};

void ExpectConverts(const Expected& e) {
    LunarDate d;
    ASSERT_TRUE(d.FromGregorian(e.gy, e.gm, e.gd)) << e.gy << '-' << e.gm << '-' << e.gd;
    EXPECT_EQ(d.year, e.ly) << e.gy << '-' << e.gm << '-' << e.gd;
    EXPECT_EQ(d.month, e.lm) << e.gy << '-' << e.gm << '-' << e.gd;
    EXPECT_EQ(d.day, e.ld) << e.gy << '-' << e.gm << '-' << e.gd;
    EXPECT_EQ(d.isLeap, e.isLeap) << e.gy << '-' << e.gm << '-' << e.gd;
    EXPECT_EQ(d.pairedMonth, e.paired) << e.gy << '-' << e.gm << '-' << e.gd;
    if (e.length) {
        EXPECT_EQ(d.monthLength, e.length) << e.gy << '-' << e.gm << '-' << e.gd;
    }
    EXPECT_EQ(d.elapsed, d.day - 1);
}

TEST(LunarConversion, TableEdgesAndLeapMonths) {
    const Expected cases[] = {
        {1900, 1, 31, 1900, 1, 1, 0, 0, 29},   {1900, 2, 1, 1900, 1, 2, 0, 0, 29},
        {2024, 1, 15, 2023, 12, 5, 0, 0, 30},  {2024, 2, 9, 2023, 12, 30, 0, 0, 30},
        {2024, 2, 10, 2024, 1, 1, 0, 0, 0},    {2023, 3, 21, 2023, 2, 30, 0, 1, 30},
        {2023, 3, 22, 2023, 2, 1, 1, 1, 29},   {2023, 4, 19, 2023, 2, 29, 1, 1, 29},
        {2023, 4, 20, 2023, 3, 1, 0, 0, 0},    {2020, 5, 23, 2020, 4, 1, 1, 1, 0},
        {1900, 9, 24, 1900, 8, 1, 1, 1, 29},   {2033, 8, 25, 2033, 7, 1, 1, 1, 0},
        {2050, 1, 22, 2049, 12, 29, 0, 0, 29}, {2050, 1, 23, 2050, 1, 1, 0, 0, 0},
        {2050, 4, 21, 2050, 3, 1, 1, 1, 30},   {2051, 2, 10, 2050, 12, 29, 0, 0, 29},
    };
    for (const Expected& e : cases) ExpectConverts(e);
}

// Lunar new years (春节) from published almanacs: each is lunar day 1 of
// month 1 and the day before it is the last day of the previous year.
TEST(LunarConversion, PublishedNewYears) {
    const int newYears[][3] = {
        {1901, 2, 19}, {1912, 2, 18}, {1949, 1, 29}, {1950, 2, 17}, {1966, 1, 21}, {1976, 1, 31}, {1984, 2, 2},
        {1985, 2, 20}, {1990, 1, 27}, {1996, 2, 19}, {2000, 2, 5},  {2001, 1, 24}, {2008, 2, 7},  {2010, 2, 14},
        {2012, 1, 23}, {2015, 2, 19}, {2016, 2, 8},  {2017, 1, 28}, {2018, 2, 16}, {2019, 2, 5},  {2020, 1, 25},
        {2021, 2, 12}, {2022, 2, 1},  {2023, 1, 22}, {2024, 2, 10}, {2025, 1, 29}, {2026, 2, 17}, {2027, 2, 6},
        {2028, 1, 26}, {2030, 2, 3},  {2033, 1, 31}, {2034, 2, 19}, {2049, 2, 2},  {2050, 1, 23},
    };
    for (const auto& ny : newYears) {
        LunarDate d;
        ASSERT_TRUE(d.FromGregorian(ny[0], ny[1], ny[2]));
        EXPECT_EQ(d.year, ny[0]) << ny[0];
        EXPECT_EQ(d.month, 1) << ny[0];
        EXPECT_EQ(d.day, 1) << ny[0];
        EXPECT_EQ(d.isLeap, 0) << ny[0];
    }
}

// First days of leap months from published almanacs.
TEST(LunarConversion, PublishedLeapMonthStarts) {
    const Expected cases[] = {
        {2004, 3, 21, 2004, 2, 1, 1, 1, 0}, {2006, 8, 24, 2006, 7, 1, 1, 1, 0},  {2009, 6, 23, 2009, 5, 1, 1, 1, 0},
        {2012, 5, 21, 2012, 4, 1, 1, 1, 0}, {2014, 10, 24, 2014, 9, 1, 1, 1, 0}, {2017, 7, 23, 2017, 6, 1, 1, 1, 0},
        {2020, 5, 23, 2020, 4, 1, 1, 1, 0}, {2023, 3, 22, 2023, 2, 1, 1, 1, 0},  {2025, 7, 25, 2025, 6, 1, 1, 1, 0},
    };
    for (const Expected& e : cases) ExpectConverts(e);
}

TEST(LunarConversion, RefusesDatesOutsideTheTable) {
    const int outside[][3] = {{1900, 1, 30}, {1899, 12, 31}, {2051, 2, 11}, {2060, 1, 1}, {2024, 2, 30}, {2024, 13, 1}};
    for (const auto& g : outside) {
        LunarDate d;
        d.year = 1234;
        EXPECT_FALSE(d.FromGregorian(g[0], g[1], g[2])) << g[0] << '-' << g[1] << '-' << g[2];
        EXPECT_EQ(d, LunarDate{}) << "a refused date leaves no stale fields";
    }
}

TEST(LunarConversion, YearTableQueries) {
    EXPECT_EQ(LunarYearLength(1900), 384);
    EXPECT_EQ(LunarYearLength(2023), 384);
    EXPECT_EQ(LunarYearLength(2024), 354);
    EXPECT_EQ(LunarYearLength(2049), 355);
    EXPECT_EQ(LeapMonth(1900), 8);
    EXPECT_EQ(LeapMonthLength(1900), 29);
    EXPECT_EQ(LeapMonth(2050), 3);
    EXPECT_EQ(LeapMonthLength(2050), 30);
    EXPECT_EQ(LeapMonth(2033), 7);
    EXPECT_EQ(LeapMonth(2024), 0);
    EXPECT_EQ(LeapMonthLength(2024), 0);
    const int months1900[12] = {29, 30, 29, 29, 30, 29, 30, 30, 30, 30, 29, 30};
    for (int m = 1; m <= 12; ++m) EXPECT_EQ(LunarMonthLength(1900, m), months1900[m - 1]) << m;
    // Outside the table every lookup stays defined.
    EXPECT_EQ(LeapMonth(2051), 0);
    EXPECT_EQ(LunarMonthLength(1899, 1), 29);
    EXPECT_EQ(LunarMonthLength(2024, 0), 29);
}

TEST(LunarConversion, NextDayCrossesMonthsYearsAndLeapMonths) {
    struct Step {
        int gy, gm, gd;  // the day before the crossing
    };
    const Step steps[] = {{2024, 2, 9}, {2023, 3, 21}, {2023, 4, 19}, {1900, 9, 23}, {2050, 1, 22}, {2033, 8, 24}};
    for (const Step& s : steps) {
        LunarDate stepped, direct;
        ASSERT_TRUE(stepped.FromGregorian(s.gy, s.gm, s.gd));
        const int dayBefore = stepped.day;
        stepped.NextDay();
        ASSERT_TRUE(direct.FromGregorian(s.gy, s.gm, s.gd + 1));
        EXPECT_EQ(stepped.year, direct.year);
        EXPECT_EQ(stepped.month, direct.month);
        EXPECT_EQ(stepped.day, direct.day);
        EXPECT_EQ(stepped.isLeap, direct.isLeap);
        EXPECT_EQ(stepped.pairedMonth, direct.pairedMonth);
        EXPECT_EQ(stepped.monthLength, direct.monthLength);
        EXPECT_EQ(stepped.elapsed, dayBefore) << "NextDay adds one and never resets the count";
    }
}

}  // namespace
