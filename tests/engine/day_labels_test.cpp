// Festivals, lunar month and day names, weekday names and day labels.
#include "engine/DayLabels.h"
#include "engine/SolarTerms.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace lunar;

// The label a Gregorian day gets, worked out from the engine's own parts.
DayLabelResult LabelOf(int y, int m, int d) {
    LunarDate l;
    EXPECT_TRUE(l.FromGregorian(y, m, d));
    SolarTermTime a, b;
    EXPECT_TRUE(GetSolarTerms(static_cast<std::int16_t>(y), static_cast<std::int16_t>(m), a, b));
    const int mark = (a.day == d) ? 1 : (b.day == d) ? 2 : 0;
    return DayLabel(DayFestival(l, m, d), mark, m, l);
}

TEST(DayLabels, KnownDays) {
    struct Case {
        int y, m, d;
        const char* label;
        bool monthName;
    };
    const Case cases[] = {
        {2024, 2, 9, "除夕", false},     {2025, 1, 28, "除夕", false},    {2024, 2, 10, "春节", false},
        {2024, 2, 11, "初二", false},    {2024, 2, 12, "初三", false},    {2024, 2, 24, "元宵节", false},
        {2024, 6, 10, "端午", false},    {2024, 8, 10, "七夕节", false},  {2024, 9, 17, "中秋", false},
        {2024, 10, 11, "重阳节", false}, {2015, 2, 19, "春节", false},    {2019, 2, 4, "除夕", false},
        {2016, 6, 5, "芒种", false},     {2023, 3, 22, "闰二月小", true}, {2020, 10, 1, "中秋", false},
        {1949, 6, 1, "端午", false},     {2024, 10, 1, "国庆", false},    {2024, 1, 1, "元旦", false},
        {2024, 5, 1, "劳动节", false},   {2024, 6, 1, "儿童节", false},   {2024, 1, 6, "小寒", false},
        {2024, 1, 20, "大寒", false},    {2024, 4, 19, "谷雨", false},    {2024, 3, 10, "二月大", true},
        {2024, 2, 29, "二十", false},    {2024, 2, 19, "雨水", false},    {2024, 3, 1, "廿一", false},
    };
    for (const Case& c : cases) {
        const DayLabelResult r = LabelOf(c.y, c.m, c.d);
        EXPECT_EQ(r.label, c.label) << c.y << '-' << c.m << '-' << c.d;
        EXPECT_EQ(r.monthNameShown, c.monthName) << c.y << '-' << c.m << '-' << c.d;
    }
}

TEST(DayLabels, NoFestivalInALeapMonthButNewYearsEve) {
    // Every day of the range: a lunar festival in a leap month can only be 除夕.
    for (int y = 1900; y <= 2050; ++y)
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= GregorianMonthLength(static_cast<std::uint16_t>(y), static_cast<std::uint16_t>(m));
                 ++d) {
                LunarDate l;
                if (!l.FromGregorian(y, m, d) || !l.isLeap) continue;
                const char* f = LunarFestival(l);
                if (f) {
                    EXPECT_STREQ(f, "除夕") << y << '-' << m << '-' << d;
                }
            }
}

TEST(DayLabels, NewYearsEveWithALeapTwelfthMonth) {
    LunarDate regular{};
    regular.month = 12;
    regular.day = 30;
    regular.monthLength = 30;
    regular.pairedMonth = 1;
    LunarDate leapMonth = regular;
    leapMonth.isLeap = 1;
    leapMonth.day = leapMonth.monthLength = 29;
    EXPECT_EQ(LunarFestival(regular), nullptr) << "the regular twelfth month's last day is not the eve";
    EXPECT_STREQ(LunarFestival(leapMonth), "除夕");
    LunarDate leapFifteenth = leapMonth;
    leapFifteenth.month = 1;
    leapFifteenth.day = 15;
    EXPECT_EQ(LunarFestival(leapFifteenth), nullptr);
}

TEST(DayLabels, MonthNames) {
    struct Case {
        unsigned month;
        int leap;
        const char* name;
    };
    const Case cases[] = {{1, 0, "正"},    {4, 1, "闰四"},    {10, 0, "十"}, {11, 0, "十一"},
                          {12, 0, "十二"}, {12, 1, "闰十二"}, {0, 0, ""},    {13, 0, "十二"}};
    for (const Case& c : cases)
        EXPECT_EQ(LunarMonthName(static_cast<std::uint16_t>(c.month), static_cast<std::uint8_t>(c.leap)), c.name)
            << c.month;
}

TEST(DayLabels, DayNames) {
    const char* const expected[31] = {nullptr, "初一", "初二", "初三", "初四", "初五", "初六", "初七",
                                      "初八",  "初九", "初十", "十一", "十二", "十三", "十四", "十五",
                                      "十六",  "十七", "十八", "十九", "二十", "廿一", "廿二", "廿三",
                                      "廿四",  "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};
    for (int d = 1; d <= 30; ++d) EXPECT_EQ(LunarDayName(static_cast<std::uint16_t>(d)), expected[d]) << d;
}

TEST(DayLabels, WeekdayNames) {
    const char* const expected[8] = {"日", "一", "二", "三", "四", "五", "六", "日"};
    for (int i = 0; i < 8; ++i) EXPECT_STREQ(WeekdayName(i), expected[i]) << i;
    EXPECT_STREQ(WeekdayName(8), "");
    EXPECT_STREQ(WeekdayName(-1), "");
}

TEST(DayLabels, LongestLabelFits) {
    LunarDate d{};
    d.month = 12;
    d.day = 1;
    d.isLeap = 1;
    d.monthLength = 30;
    const DayLabelResult r = DayLabel(nullptr, 0, 1, d);
    EXPECT_EQ(r.label, "闰十二月大");
    EXPECT_EQ(r.label.size(), 10u);
    EXPECT_TRUE(r.monthNameShown);
}

}  // namespace
