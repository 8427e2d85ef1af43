// The built-in schedule of days off and make-up working days, and the
// update file that adds or replaces years of it.
#include "engine/HolidayTable.h"
#include "engine/LunarDate.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <set>
#include <string>

namespace {

using namespace lunar;
using M = DayOffMark;

constexpr std::int32_t kRawTable[] = {
#include "engine/holiday_table.inc"
};

TEST(HolidayTable, NoDateIsListedTwiceSoNoneIsBothOffAndWorking) {
    std::set<std::int32_t> seen;
    for (const std::int32_t entry : kRawTable) EXPECT_TRUE(seen.insert(entry < 0 ? -entry : entry).second) << entry;
}

TEST(HolidayTable, MakeUpWorkingDaysAreWeekendsAndEveryYearHasItsSpringFestivalBlock) {
    const HolidayTable table;
    ASSERT_EQ(HolidayTable::FirstBuiltInYear(), 2004);
    ASSERT_EQ(HolidayTable::LastBuiltInYear(), 2026);
    for (int year = HolidayTable::FirstBuiltInYear(); year <= HolidayTable::LastBuiltInYear(); ++year) {
        for (const MarkedDay& d : table.YearMarks(year)) {
            if (d.mark != M::MakeUpWork) continue;
            const int weekday = Weekday(year, d.month, d.day);
            EXPECT_TRUE(weekday == 0 || weekday == 6) << year << '-' << d.month << '-' << d.day;
        }
        // The lunar new year's day and the two days after it are off.
        int newYear = 21;  // counted from January 1st
        for (LunarDate l; l.FromGregorian(year, newYear > 31 ? 2 : 1, newYear > 31 ? newYear - 31 : newYear) &&
                          !(l.month == 1 && l.day == 1);)
            ++newYear;
        for (int day = newYear; day < newYear + 3; ++day) {
            const int m = day > 31 ? 2 : 1, d = day > 31 ? day - 31 : day;
            EXPECT_EQ(table.Query(year, m, d), (HolidayQuery{M::Off, true})) << year << '-' << m << '-' << d;
        }
    }
}

TEST(HolidayTable, KnownDaysOfEachKind) {
    const HolidayTable table;
    const struct {
        int y, m, d;
        HolidayQuery want;
    } rows[] = {
        {2026, 2, 14, {M::MakeUpWork, true}}, {2026, 2, 28, {M::MakeUpWork, true}}, {2026, 2, 15, {M::Off, true}},
        {2026, 2, 23, {M::Off, true}},        {2026, 2, 24, {M::None, true}},       {2026, 2, 13, {M::None, true}},
        {2005, 12, 31, {M::MakeUpWork, true}}, {2013, 4, 7, {M::MakeUpWork, true}}, {2013, 10, 12, {M::MakeUpWork, true}},
        {2024, 10, 7, {M::Off, true}},        {2003, 1, 1, {M::None, false}},       {2027, 2, 6, {M::None, false}},
    };
    for (const auto& r : rows) EXPECT_EQ(table.Query(r.y, r.m, r.d), r.want) << r.y << '-' << r.m << '-' << r.d;
}

TEST(HolidayUpdate, BothEncodingsBadLinesCountedAndYearsReplacedWholly) {
    HolidayTable table;
    // UTF-8 with a byte-order mark and CR LF, then GBK lines.
    const std::string text =
        "\xEF\xBB\xBF# 2027\r\n2027-02-06 \xE4\xBC\x91\r\n2027-02-14\t\xE7\x8F\xAD\r\n\r\n"
        "2026-12-31 \xD0\xDD\n2026-12-27 \xB0\xE0\n"
        "2027-02-30 \xD0\xDD\n"        // no such date
        "2027-02-15 \xB0\xE0\n"        // a Monday is never a make-up working day
        "2027-2-7 \xD0\xDD\n"          // not YYYY-MM-DD
        "2027-02-08 off\n"             // no mark
        "2027-02-09 \xD0\xDD\xD0\xDD"; // two marks, last line without a break
    EXPECT_EQ(table.ApplyUpdate(text), (HolidayUpdateResult{2, 5}));
    EXPECT_EQ(table.Query(2027, 2, 6), (HolidayQuery{M::Off, true}));
    EXPECT_EQ(table.Query(2027, 2, 14), (HolidayQuery{M::MakeUpWork, true}));
    EXPECT_EQ(table.Query(2027, 2, 15), (HolidayQuery{M::None, true}));
    EXPECT_EQ(table.Query(2026, 12, 31), (HolidayQuery{M::Off, true}));
    EXPECT_EQ(table.Query(2026, 12, 27), (HolidayQuery{M::MakeUpWork, true}));
    // The built-in 2026 is gone, 2025 stays.
    EXPECT_EQ(table.Query(2026, 2, 14), (HolidayQuery{M::None, true}));
    EXPECT_EQ(table.YearMarks(2026).size(), 2u);
    EXPECT_EQ(table.Query(2025, 1, 1), (HolidayQuery{M::Off, true}));
}

TEST(HolidayUpdate, ReadsTheFileAndLeavesTheTableWithoutOne) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / ("veltrano-holidays-" + std::to_string(std::random_device{}()));
    fs::create_directories(folder);
    const std::string path = (folder / "update.txt").string();
    HolidayTable table;
    EXPECT_EQ(table.LoadUpdateFile(path.c_str()), std::nullopt);
    EXPECT_FALSE(table.CoversYear(2028));

    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fputs("2028-01-01 \xD0\xDD\nnonsense\n", file);
    std::fclose(file);
    EXPECT_EQ(table.LoadUpdateFile(path.c_str()), (HolidayUpdateResult{1, 1}));
    EXPECT_EQ(table.Query(2028, 1, 1), (HolidayQuery{M::Off, true}));
    // A folder where the file should be is not a file.
    EXPECT_EQ(table.LoadUpdateFile(folder.string().c_str()), std::nullopt);
    fs::remove_all(folder);
}

}  // namespace
