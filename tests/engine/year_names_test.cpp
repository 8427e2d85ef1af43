// Stem-branch names, zodiac animals and year titles.
#include "engine/YearNames.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace lunar;

TEST(YearNames, StemBranchAndZodiac) {
    struct Case {
        int year;
        const char* ganzhi;
        const char* zodiac;
    };
    // Cycle years from almanacs: 1864 and 1924 and 1984 open a sixty-year cycle.
    const Case cases[] = {
        {1864, "甲子", "鼠"}, {1900, "庚子", "鼠"}, {1924, "甲子", "鼠"}, {1949, "己丑", "牛"}, {1984, "甲子", "鼠"},
        {1999, "己卯", "兔"}, {2000, "庚辰", "龙"}, {2023, "癸卯", "兔"}, {2024, "甲辰", "龙"}, {2026, "丙午", "马"},
        {2043, "癸亥", "猪"}, {2049, "己巳", "蛇"}, {2050, "庚午", "马"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GanZhiName(c.year - 1864), c.ganzhi) << c.year;
        EXPECT_EQ(ZodiacName(static_cast<short>(c.year)), c.zodiac) << c.year;
    }
}

TEST(YearNames, TwelveAnimalsInOrder) {
    // 2020 is a rat year; the next eleven run through the whole table once.
    std::string animals;
    for (int year = 2020; year < 2032; ++year) animals += ZodiacName(static_cast<short>(year)).c_str();
    EXPECT_EQ(animals, "鼠牛虎兔龙蛇马羊猴鸡狗猪");
}

TEST(YearNames, ResultsOfBothOperationsCanBeUsedTogether) {
    const GanZhiText a = GanZhiName(2023 - 1864);
    const GanZhiText b = GanZhiName(2024 - 1864);
    const ZodiacText z = ZodiacName(2023);
    EXPECT_EQ(a, "癸卯");
    EXPECT_EQ(b, "甲辰");
    EXPECT_EQ(z, "兔");
}

TEST(YearNames, Titles) {
    struct Case {
        int first, last;
        const char* title;
    };
    const Case cases[] = {
        {1900, 1900, "庚子【鼠】年"}, {2023, 2023, "癸卯【兔】年"}, {2023, 2024, "癸卯【兔】年－甲辰【龙】年"},
        {2022, 2022, "壬寅【虎】年"}, {2021, 2021, "辛丑【牛】年"}, {1983, 1984, "癸亥【猪】年－甲子【鼠】年"},
        {2049, 2049, "己巳【蛇】年"},
    };
    for (const Case& c : cases) EXPECT_EQ(YearTitle(c.first, c.last), c.title) << c.first;
    EXPECT_EQ(YearTitle(2023, 2024).size(), 26u) << "the longest title fits its buffer";
}

}  // namespace
