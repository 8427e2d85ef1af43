// The built-in solar-term table against published term instants.
#include "engine/SolarTerms.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

using namespace lunar;

struct Record {
    int day, hour, minute;
};

// Term instants (China Standard Time) of 1900, 2024 and 2054, first and
// second term of each month.
struct YearRows {
    int year;
    Record months[12][2];
};

const YearRows kPublished[] = {
    {1900,
     {{{6, 2, 4}, {20, 19, 32}},
      {{4, 13, 52}, {19, 10, 1}},
      {{6, 8, 22}, {21, 9, 39}},
      {{5, 13, 53}, {20, 21, 27}},
      {{6, 7, 55}, {21, 21, 17}},
      {{6, 12, 39}, {22, 5, 40}},
      {{7, 23, 10}, {23, 16, 36}},
      {{8, 8, 51}, {23, 23, 20}},
      {{8, 11, 17}, {23, 20, 20}},
      {{9, 2, 13}, {24, 4, 55}},
      {{8, 4, 40}, {23, 1, 48}},
      {{7, 20, 56}, {22, 14, 42}}}},
    {2024,
     {{{6, 4, 49}, {20, 22, 7}},
      {{4, 16, 27}, {19, 12, 13}},
      {{5, 10, 23}, {20, 11, 6}},
      {{4, 15, 2}, {19, 21, 60}},
      {{5, 8, 10}, {20, 20, 59}},
      {{5, 12, 10}, {21, 4, 51}},
      {{6, 22, 20}, {22, 15, 44}},
      {{7, 8, 9}, {22, 22, 55}},
      {{7, 11, 11}, {22, 20, 43}},
      {{8, 2, 60}, {23, 6, 14}},
      {{7, 6, 20}, {22, 3, 56}},
      {{6, 23, 17}, {21, 17, 20}}}},
    {2054,
     {{{5, 11, 32}, {20, 4, 50}},
      {{3, 23, 7}, {18, 18, 51}},
      {{5, 16, 55}, {20, 17, 34}},
      {{4, 21, 22}, {20, 4, 14}},
      {{5, 14, 17}, {21, 3, 2}},
      {{5, 18, 7}, {21, 10, 46}},
      {{7, 4, 13}, {22, 21, 40}},
      {{7, 14, 6}, {23, 4, 58}},
      {{7, 17, 19}, {23, 2, 59}},
      {{8, 9, 21}, {23, 12, 44}},
      {{7, 12, 56}, {22, 10, 38}},
      {{7, 6, 3}, {22, 0, 9}}}},
};

void ExpectRecord(const SolarTermTime& t, const Record& r, const std::string& where) {
    EXPECT_EQ(t.day, r.day) << where;
    EXPECT_EQ(t.hour, r.hour) << where;
    EXPECT_EQ(t.minute, r.minute) << where;
}

TEST(SolarTermTable, PublishedRowsToTheMinute) {
    for (const YearRows& rows : kPublished)
        for (int m = 1; m <= 12; ++m) {
            SolarTermTime a, b;
            ASSERT_TRUE(GetSolarTerms(static_cast<std::int16_t>(rows.year), static_cast<std::int16_t>(m), a, b));
            const std::string where = std::to_string(rows.year) + "-" + std::to_string(m);
            ExpectRecord(a, rows.months[m - 1][0], where + " first");
            ExpectRecord(b, rows.months[m - 1][1], where + " second");
        }
}

TEST(SolarTermTable, NamedCases) {
    struct Case {
        int year, month, position;
        Record record;
    };
    const Case cases[] = {
        {1923, 2, 2, {19, 23, 60}}, {2024, 4, 2, {19, 21, 60}}, {1951, 12, 2, {23, 0, 0}},
        {1900, 10, 1, {9, 2, 13}},  {1900, 10, 2, {24, 4, 55}}, {2021, 2, 1, {3, 0, 0}},
    };
    for (const Case& c : cases) {
        SolarTermTime t[2];
        ASSERT_TRUE(GetSolarTerms(static_cast<std::int16_t>(c.year), static_cast<std::int16_t>(c.month), t[0], t[1]));
        const SolarTermTime& got = t[c.position - 1];
        const std::string where =
            std::to_string(c.year) + "-" + std::to_string(c.month) + "/" + std::to_string(c.position);
        EXPECT_EQ(got.day, c.record.day) << where;
        if (c.year == 2021) continue;  // only the day of 2021's 立春 is fixed here
        EXPECT_EQ(got.hour, c.record.hour) << where;
        EXPECT_EQ(got.minute, c.record.minute) << where;
    }
}

TEST(SolarTermTable, WholeTableShape) {
    int minuteSixty = 0, minDay = 99, maxDay = 0;
    for (int y = kFirstSolarTermYear; y <= kLastSolarTermYear; ++y)
        for (int m = 1; m <= 12; ++m) {
            SolarTermTime a, b;
            ASSERT_TRUE(GetSolarTerms(static_cast<std::int16_t>(y), static_cast<std::int16_t>(m), a, b));
            for (const SolarTermTime& t : {a, b}) {
                minuteSixty += t.minute == 60;
                minDay = std::min<int>(minDay, t.day);
                maxDay = std::max<int>(maxDay, t.day);
                EXPECT_LE(t.hour, 23);
            }
            // The first term falls in the first half of the month, 13 to 17 days before the second.
            EXPECT_GE(b.day - a.day, 13) << y << '-' << m;
            EXPECT_LE(b.day - a.day, 17) << y << '-' << m;
        }
    EXPECT_EQ(minuteSixty, 26);
    EXPECT_EQ(minDay, 3);
    EXPECT_EQ(maxDay, 24);
}

TEST(SolarTermTable, RefusesYearsAndMonthsOutside) {
    SolarTermTime a, b;
    EXPECT_FALSE(GetSolarTerms(1899, 12, a, b));
    EXPECT_FALSE(GetSolarTerms(2055, 1, a, b));
    EXPECT_FALSE(GetSolarTerms(2024, 0, a, b));
    EXPECT_FALSE(GetSolarTerms(2024, 13, a, b));
    EXPECT_EQ(a.day, 0);
    EXPECT_EQ(b.day, 0);
}

TEST(SolarTermNames, ByMonthAndPosition) {
    EXPECT_STREQ(SolarTermName(1, 1), "小寒");
    EXPECT_STREQ(SolarTermName(1, 2), "大寒");
    EXPECT_STREQ(SolarTermName(2, 1), "立春");
    EXPECT_STREQ(SolarTermName(3, 2), "春分");
    EXPECT_STREQ(SolarTermName(4, 2), "谷雨");
    EXPECT_STREQ(SolarTermName(6, 1), "芒种");
    EXPECT_STREQ(SolarTermName(10, 2), "霜降");
    EXPECT_STREQ(SolarTermName(12, 2), "冬至");
    EXPECT_STREQ(SolarTermName(0, 1), "");
    EXPECT_STREQ(SolarTermName(13, 1), "");
    EXPECT_STREQ(SolarTermName(5, 3), "");
}

}  // namespace
