// The built-in schedule of days off and make-up working days, and the
// update file that adds or replaces years of it.
#include "engine/HolidayTable.h"
#include "engine/LunarDate.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <set>
#include <string>

namespace {

using namespace lunar;
constexpr HolidayQuery kOff{DayOffMark::Off, true}, kWork{DayOffMark::MakeUpWork, true}, kNone{DayOffMark::None, true},
    kUnknown{};

struct Row {
    int y, m, d;
    HolidayQuery want;
};
void ExpectRows(const HolidayTable& table, std::initializer_list<Row> rows) {
    for (const Row& r : rows) EXPECT_EQ(table.Query(r.y, r.m, r.d), r.want) << r.y << '-' << r.m << '-' << r.d;
}

constexpr std::int32_t kRawTable[] = {
#include "engine/holiday_table.inc"
};

TEST(HolidayTable, InvariantsOfEveryCoveredYear) {
    std::set<std::int32_t> seen;  // no date listed twice, so none both off and working
    for (const std::int32_t entry : kRawTable) EXPECT_TRUE(seen.insert(entry < 0 ? -entry : entry).second) << entry;
    const HolidayTable table;
    ASSERT_EQ(HolidayTable::FirstBuiltInYear() * 10000 + HolidayTable::LastBuiltInYear(), 20042026);
    for (int year = HolidayTable::FirstBuiltInYear(); year <= HolidayTable::LastBuiltInYear(); ++year) {
        for (const MarkedDay& d : table.YearMarks(year)) {
            const bool weekend = Weekday(year, d.month, d.day) % 6 == 0;
            EXPECT_TRUE(weekend || d.mark == DayOffMark::Off) << year << '-' << d.month << '-' << d.day;
        }
        // The lunar new year's day and the two days after it are off.
        int newYear = 21;  // counted from January 1st
        for (LunarDate l; l.FromGregorian(year, 1 + newYear / 32, newYear > 31 ? newYear - 31 : newYear) &&
                          !(l.month == 1 && l.day == 1);)
            ++newYear;
        for (int day = newYear; day < newYear + 3; ++day)
            EXPECT_EQ(table.Query(year, 1 + day / 32, day > 31 ? day - 31 : day), kOff) << year << ' ' << day;
    }
}

TEST(HolidayTable, KnownDaysOfEachKind) {
    ExpectRows(HolidayTable{}, {{2026, 2, 14, kWork}, {2026, 2, 28, kWork}, {2026, 2, 15, kOff}, {2026, 2, 23, kOff},
                                {2026, 2, 24, kNone}, {2005, 12, 31, kWork}, {2013, 4, 7, kWork}, {2013, 10, 12, kWork},
                                {2024, 10, 7, kOff}, {2003, 1, 1, kUnknown}, {2027, 2, 6, kUnknown}});
}

TEST(HolidayUpdate, BothEncodingsBadLinesCountedAndYearsReplacedWholly) {
    HolidayTable table;
    // UTF-8 with a byte-order mark and CR LF, then GBK lines.
    const std::string text =
        "\xEF\xBB\xBF# 2027\r\n2027-02-06 \xE4\xBC\x91\r\n2027-02-14\t\xE7\x8F\xAD\r\n\r\n"
        "2026-12-31 \xD0\xDD\n2026-12-27 \xB0\xE0\n"
        "2027-02-30 \xD0\xDD\n2027-02-15 \xB0\xE0\n"  // no such date; a Monday marked 班
        "2027-2-7 \xD0\xDD\n2027-02-08 off\n2027-02-09 \xD0\xDD\xD0\xDD";
    EXPECT_EQ(table.ApplyUpdate(text), (HolidayUpdateResult{2, 5}));
    // The built-in 2026 is gone wholly; 2025 stays.
    ExpectRows(table, {{2027, 2, 6, kOff}, {2027, 2, 14, kWork}, {2027, 2, 15, kNone}, {2026, 12, 31, kOff},
                       {2026, 12, 27, kWork}, {2026, 2, 14, kNone}, {2025, 1, 1, kOff}});
}

TEST(HolidayUpdate, YearsTheCalendarDoesNotShowAreSkipped) {
    HolidayTable table;
    // 0000-01-07 is a Friday; 1899 and 2050 lie outside the shown months.
    const std::string text = "0000-01-07 \xB0\xE0\n0000-01-08 \xD0\xDD\n1899-12-31 \xD0\xDD\n2050-01-01 \xD0\xDD\n"
                             "1900-01-01 \xD0\xDD\n2049-12-31 \xD0\xDD\n";
    EXPECT_EQ(table.ApplyUpdate(text), (HolidayUpdateResult{2, 4}));
    EXPECT_EQ(table.Query(1900, 1, 1), kOff);
    EXPECT_EQ(table.Query(2049, 12, 31), kOff);
    EXPECT_FALSE(table.CoversYear(0));
}

TEST(HolidayUpdate, NoFileOrAFolderInItsPlaceLeavesTheTable) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    HolidayTable table;
    EXPECT_EQ(table.LoadUpdateFile((folder / "veltrano-no-such-holiday-file.txt").string().c_str()), std::nullopt);
    EXPECT_EQ(table.LoadUpdateFile(folder.string().c_str()), std::nullopt);
    EXPECT_EQ(table.Query(2026, 2, 14), kWork);
}

}  // namespace
