// The day cells, year title and lunar months of whole Gregorian months.
#include "engine/MonthModel.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace lunar;

MonthModel Fill(int y, int m) {
    MonthModel model;
    EXPECT_TRUE(FillMonth(static_cast<std::uint16_t>(y), static_cast<std::uint16_t>(m), model)) << y << '-' << m;
    return model;
}

TEST(MonthModel, February2024) {
    const MonthModel model = Fill(2024, 2);
    ASSERT_EQ(model.dayCount, 29);
    const char* const labels[30] = {nullptr, "廿二", "廿三", "廿四", "立春",   "廿六", "廿七", "廿八", "廿九", "除夕",
                                    "春节",  "初二", "初三", "初四", "初五",   "初六", "初七", "初八", "初九", "雨水",
                                    "十一",  "十二", "十三", "十四", "元宵节", "十六", "十七", "十八", "十九", "二十"};
    for (int i = 1; i <= 29; ++i) EXPECT_STREQ(model.days[i].label, labels[i]) << i;
    EXPECT_EQ(model.days[1].weekday, 4);
    EXPECT_EQ(model.days[1].lunar.year, 2023);
    EXPECT_EQ(model.days[1].lunar.month, 12);
    EXPECT_EQ(model.days[1].lunar.day, 22);
    EXPECT_EQ(model.days[29].lunar.year, 2024);
    EXPECT_EQ(model.days[29].lunar.month, 1);
    EXPECT_EQ(model.days[29].lunar.day, 20);
    for (int i = 1; i <= 29; ++i) {
        EXPECT_EQ(model.days[i].termMark, i == 4 ? 1 : i == 19 ? 2 : 0) << i;
        const bool festive = i == 9 || i == 10 || i == 11 || i == 12 || i == 24;
        EXPECT_EQ(model.days[i].festival != nullptr, festive) << i;
        EXPECT_EQ(model.days[i].monthNameShown, 0) << i;
        EXPECT_EQ(model.days[i].weekday, (4 + i - 1) % 7) << i;
    }
    EXPECT_EQ(model.yearTitle, "癸卯【兔】年－甲辰【龙】年");
    EXPECT_EQ(model.firstLunarMonth, 12);
    EXPECT_EQ(model.lastLunarMonth, 1);
    EXPECT_EQ(model.middleLunarMonth, 0);
}

TEST(MonthModel, March2023WithLeapSecondMonth) {
    const MonthModel model = Fill(2023, 3);
    EXPECT_STREQ(model.days[21].label, "春分");
    EXPECT_EQ(model.days[21].lunar.day, 30);
    EXPECT_STREQ(model.days[22].label, "闰二月小");
    EXPECT_EQ(model.days[22].monthNameShown, 1);
    EXPECT_STREQ(model.days[23].label, "初二");
    EXPECT_EQ(model.firstLunarMonth, 2);
    EXPECT_EQ(model.lastLunarMonth, 2) << "a leap month shares its number";
    EXPECT_EQ(model.middleLunarMonth, 0);
}

TEST(MonthModel, FirstAndLastShownMonths) {
    const MonthModel feb1900 = Fill(1900, 2);
    EXPECT_EQ(feb1900.days[1].lunar.year, 1900);
    EXPECT_EQ(feb1900.days[1].lunar.month, 1);
    EXPECT_EQ(feb1900.days[1].lunar.day, 2);
    EXPECT_STREQ(feb1900.days[1].label, "初二");
    EXPECT_STREQ(feb1900.days[14].label, "元宵节");
    EXPECT_EQ(feb1900.yearTitle, "庚子【鼠】年");

    const MonthModel dec2049 = Fill(2049, 12);
    EXPECT_STREQ(dec2049.days[25].label, "十二月小");
    EXPECT_EQ(dec2049.days[25].monthNameShown, 1);
    EXPECT_EQ(dec2049.days[31].lunar.year, 2049);
    EXPECT_EQ(dec2049.days[31].lunar.month, 12);
    EXPECT_EQ(dec2049.days[31].lunar.day, 7);
    EXPECT_EQ(dec2049.yearTitle, "己巳【蛇】年");
}

TEST(MonthModel, YearTitles) {
    struct Case {
        int y, m;
        const char* title;
    };
    const Case cases[] = {
        {2024, 1, "癸卯【兔】年"}, {2022, 2, "壬寅【虎】年"},
        {2022, 1, "辛丑【牛】年"}, {1984, 2, "癸亥【猪】年－甲子【鼠】年"},
        {1900, 2, "庚子【鼠】年"},
    };
    for (const Case& c : cases) EXPECT_EQ(Fill(c.y, c.m).yearTitle, c.title) << c.y << '-' << c.m;
}

TEST(MonthModel, MonthsTouchingThreeLunarMonths) {
    const MonthModel july2000 = Fill(2000, 7);
    EXPECT_EQ(july2000.firstLunarMonth, 5);
    EXPECT_EQ(july2000.middleLunarMonth, 6);
    EXPECT_EQ(july2000.lastLunarMonth, 7);

    int threeMonthMonths = 0;
    for (int y = kFirstShownYear; y <= kLastShownYear; ++y)
        for (int m = 1; m <= 12; ++m) {
            if (!IsShownMonth(y, m)) continue;
            const MonthModel model = Fill(y, m);
            threeMonthMonths += model.middleLunarMonth != 0;
            // Every day's label is set and fits its cell.
            for (int i = 1; i <= model.dayCount; ++i) ASSERT_GT(std::string(model.days[i].label).size(), 0u);
        }
    EXPECT_EQ(threeMonthMonths, 11);
}

TEST(MonthModel, ShownRangeAndRefusedMonths) {
    EXPECT_FALSE(IsShownMonth(1900, 1));
    EXPECT_TRUE(IsShownMonth(1900, 2));
    EXPECT_TRUE(IsShownMonth(2049, 12));
    EXPECT_FALSE(IsShownMonth(2050, 1));
    EXPECT_FALSE(IsShownMonth(2024, 13));

    MonthModel model;
    EXPECT_FALSE(FillMonth(1900, 1, model)) << "1900-01-01 precedes the table";
    EXPECT_EQ(model.dayCount, 0);
    EXPECT_FALSE(FillMonth(2051, 2, model)) << "2051-02-11 follows the table";
    EXPECT_FALSE(FillMonth(2024, 13, model));
    EXPECT_TRUE(FillMonth(2051, 1, model)) << "the last whole month the tables cover";
}

}  // namespace
