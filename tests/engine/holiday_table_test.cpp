// The built-in schedule of days off and make-up working days, and the
// update file that adds or replaces years of it.
#include "engine/HolidayTable.h"
#include "engine/LunarDate.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <map>
#include <optional>
#include <vector>
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
    const std::vector<SkippedLine> skipped{{7, SkipReason::NoSuchDate},
                                           {8, SkipReason::WeekdayMarkedWork},
                                           {9, SkipReason::NotADateLine},
                                           {10, SkipReason::UnknownMark},
                                           {11, SkipReason::UnknownMark}};
    EXPECT_EQ(table.ApplyUpdate(text), (HolidayUpdateResult{2, 5, skipped}));
    // The built-in 2026 is gone wholly; 2025 stays.
    ExpectRows(table, {{2027, 2, 6, kOff}, {2027, 2, 14, kWork}, {2027, 2, 15, kNone}, {2026, 12, 31, kOff},
                       {2026, 12, 27, kWork}, {2026, 2, 14, kNone}, {2025, 1, 1, kOff}});
}

TEST(HolidayUpdate, YearsTheCalendarDoesNotShowAreSkipped) {
    HolidayTable table;
    // 0000-01-07 is a Friday; 1899 and 2050 lie outside the shown months.
    const std::string text = "0000-01-07 \xB0\xE0\n0000-01-08 \xD0\xDD\n1899-12-31 \xD0\xDD\n2050-01-01 \xD0\xDD\n"
                             "1900-01-01 \xD0\xDD\n2049-12-31 \xD0\xDD\n";
    EXPECT_EQ(table.ApplyUpdate(text).badLines, 4);
    EXPECT_EQ(table.Query(1900, 1, 1), kOff);
    EXPECT_EQ(table.Query(2049, 12, 31), kOff);
    EXPECT_FALSE(table.CoversYear(0));
}

TEST(HolidayNotices, DecemberRunsIntoTheNewYearBelongToItsNotice) {
    constexpr auto O = DayOffMark::Off, W = DayOffMark::MakeUpWork;
    struct Case {
        DatedMarks days;
        std::map<int, std::vector<int>> want;  // notice -> its dates
    } cases[] = {
        {{{20231230, O}, {20231231, O}, {20240101, O}}, {{2024, {20231230, 20231231, 20240101}}}},
        {{{20051231, W}, {20060101, O}, {20060102, O}}, {{2006, {20051231, 20060101, 20060102}}}},
        {{{20071229, W}, {20071230, O}, {20071231, O}, {20080101, O}}, {{2008, {20071229, 20071230, 20071231, 20080101}}}},
        // A gap before the 31st, no 1 January, or a day of October: the day's own year.
        {{{20231230, O}, {20240101, O}}, {{2023, {20231230}}, {2024, {20240101}}}},
        {{{20231230, O}, {20231231, O}}, {{2023, {20231230, 20231231}}}},
        {{{20231001, O}, {20231231, O}, {20240101, O}}, {{2023, {20231001}}, {2024, {20231231, 20240101}}}},
        {{{20231231, O}, {20250101, O}}, {{2023, {20231231}}, {2025, {20250101}}}},
    };
    for (const Case& c : cases) {
        std::map<int, std::vector<int>> got;
        for (const auto& [notice, days] : GroupByNotice(c.days))
            for (const auto& day : days) got[notice].push_back(day.first);
        EXPECT_EQ(got, c.want) << c.days.begin()->first;
    }
}

TEST(HolidayNotices, ANoticeInTheFileReplacesOnlyThatNotice) {
    HolidayTable table;
    ASSERT_EQ(table.YearMarks(2023).size(), 35u);
    // The three days off of 元旦 2024 alone.
    const HolidayUpdateResult result = table.ApplyUpdate("2023-12-30 \xD0\xDD\n2023-12-31 \xD0\xDD\n2024-01-01 \xD0\xDD\n");
    EXPECT_EQ(result, (HolidayUpdateResult{1, 0, {}}));
    EXPECT_EQ(table.YearMarks(2023).size(), 35u);
    ExpectRows(table, {{2023, 1, 21, kOff}, {2023, 12, 30, kOff}, {2024, 1, 1, kOff}, {2024, 2, 10, kNone},
                       {2024, 2, 4, kNone}, {2022, 12, 31, kOff}});
    // A file without the December days of 2024's notice takes them away.
    table.ApplyUpdate("2024-01-01 \xD0\xDD\n");
    ExpectRows(table, {{2023, 12, 30, kNone}, {2023, 12, 29, kNone}, {2023, 10, 1, kOff}});
}

TEST(HolidayNotices, TheUserFileWinsOverAFetchedYearWhichWinsOverTheBuiltInTable) {
    HolidayTable table;
    table.SetNotice(ScheduleSource::Fetched, 2026, {{20260102, DayOffMark::Off}, {20260301, DayOffMark::Off}});
    table.SetNotice(ScheduleSource::Fetched, 2031, {{20310101, DayOffMark::Off}});
    table.ApplyUpdate("2026-01-02 \xD0\xDD\n2031-01-01 \xB0\xE0\n2031-01-04 \xB0\xE0", ScheduleSource::UserFile);
    table.SetNotice(ScheduleSource::Fetched, 2032, {{20320101, DayOffMark::Off}});
    struct Case {
        int year;
        std::optional<ScheduleSource> source;
        int m, d;
        HolidayQuery want;
    } cases[] = {
        {2025, ScheduleSource::BuiltIn, 1, 1, kOff},  {2026, ScheduleSource::UserFile, 1, 1, kNone},
        {2026, ScheduleSource::UserFile, 1, 2, kOff}, {2026, ScheduleSource::UserFile, 3, 1, kNone},
        {2031, ScheduleSource::UserFile, 1, 4, kWork}, {2031, ScheduleSource::UserFile, 1, 1, kNone},
        {2032, ScheduleSource::Fetched, 1, 1, kOff},  {2033, std::nullopt, 1, 1, kUnknown},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(table.SourceOf(c.year), c.source) << c.year;
        EXPECT_EQ(table.Query(c.year, c.m, c.d), c.want) << c.year << '-' << c.m << '-' << c.d;
    }
}

TEST(HolidayUpdate, Utf16WithItsMarkAndWideOrTabSeparators) {
    // "2027-02-06　休" (a full-width space) and "2027-02-14\t班", in UTF-16 LE and BE.
    const std::u16string lines = u"2027-02-06\u3000\u4F11\r\n2027-02-14\t\u73ED\r\n";
    for (const bool bigEndian : {false, true}) {
        std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
        for (const char16_t c : lines) {
            const char high = static_cast<char>(c >> 8), low = static_cast<char>(c & 0xFF);
            bytes += bigEndian ? high : low;
            bytes += bigEndian ? low : high;
        }
        HolidayTable table;
        EXPECT_EQ(table.ApplyUpdate(bytes), (HolidayUpdateResult{1, 0, {}})) << bigEndian;
        ExpectRows(table, {{2027, 2, 6, kOff}, {2027, 2, 14, kWork}});
    }
    // A full-width space in UTF-8 and in GBK, before and after the mark.
    HolidayTable table;
    EXPECT_EQ(table.ApplyUpdate("2028-01-01\xE3\x80\x80\xE4\xBC\x91\n2028-01-02\xA1\xA1\xD0\xDD\xA1\xA1\n"),
              (HolidayUpdateResult{1, 0, {}}));
    ExpectRows(table, {{2028, 1, 1, kOff}, {2028, 1, 2, kOff}});
}

TEST(HolidayUpdate, OnlyTheFirstFiveSkippedLinesAreNamed) {
    HolidayTable table;
    std::string text = "# comment\n";
    for (int i = 0; i < 7; ++i) text += "2027-2-" + std::to_string(i + 1) + " \xD0\xDD\n";
    const HolidayUpdateResult result = table.ApplyUpdate(text);
    EXPECT_EQ(result.badLines, 7);
    ASSERT_EQ(result.firstSkipped.size(), kSkippedLinesNamed);
    EXPECT_EQ(result.firstSkipped.front().line, 2);
    EXPECT_EQ(result.firstSkipped.back().line, 6);
    EXPECT_EQ(result.years, 0);
}

TEST(HolidayUpdate, NoFileOrAFolderInItsPlaceLeavesTheTable) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    HolidayTable table;
    EXPECT_EQ(table.LoadUpdateFile((folder / "veltrano-no-such-holiday-file.txt").string().c_str()), std::nullopt);
    EXPECT_EQ(table.LoadUpdateFile(folder.string().c_str()), std::nullopt);
    EXPECT_EQ(table.Query(2026, 2, 14), kWork);
}

}  // namespace
