// Days off (休) and make-up working days (班) of the yearly holiday
// schedules. No rule derives them: they come from a built-in table of the
// published schedules, from years fetched when they are published, and from
// the user's update file.
//
// A schedule is published once a year, as one notice for year N; it may
// name days at the end of December of N - 1 (the 元旦 days off, or a 班
// before them). Days are therefore kept by the notice they belong to, and a
// source that brings a notice replaces that notice only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lunar {

enum class DayOffMark : std::uint8_t { None, Off, MakeUpWork };

// "休", "班", or empty text for an ordinary day.
const char* DayOffMarkText(DayOffMark mark);

// Where a year's schedule comes from; a later source wins over an earlier.
enum class ScheduleSource : std::uint8_t { BuiltIn, Fetched, UserFile };
inline constexpr int kScheduleSourceCount = 3;

struct HolidayQuery {
    DayOffMark mark = DayOffMark::None;
    bool yearCovered = false;  // false: the schedule of that year is unknown
    friend bool operator==(const HolidayQuery&, const HolidayQuery&) = default;
};

// Why a line of update text was passed over.
enum class SkipReason : std::uint8_t {
    NotADateLine,       // not "YYYY-MM-DD", a blank and a mark ("2027-2-7 休")
    YearNotShown,       // a year outside the months the calendar shows
    NoSuchDate,         // "2027-02-30"
    UnknownMark,        // neither 休 nor 班
    WeekdayMarkedWork,  // 班 on a Monday to Friday
};

struct SkippedLine {
    int line = 0;  // counted from 1
    SkipReason reason = SkipReason::NotADateLine;
    friend bool operator==(const SkippedLine&, const SkippedLine&) = default;
};

// Lines named one by one; beyond them only counted.
inline constexpr std::size_t kSkippedLinesNamed = 5;

struct HolidayUpdateResult {
    int years = 0;     // notices the update brought in (each replaces that notice)
    int badLines = 0;  // lines skipped because they did not parse
    std::vector<SkippedLine> firstSkipped;  // the first kSkippedLinesNamed of them
    friend bool operator==(const HolidayUpdateResult&, const HolidayUpdateResult&) = default;
};

struct MarkedDay {
    int month = 0;
    int day = 0;
    DayOffMark mark = DayOffMark::None;
    friend bool operator==(const MarkedDay&, const MarkedDay&) = default;
};

// Marked days keyed by YYYYMMDD.
using DatedMarks = std::map<int, DayOffMark>;

// Splits days into the notices they belong to: a day belongs to its own
// year's notice, except a December run of marked days that reaches the 31st
// when 1 January after it is marked too: that run belongs to the next year's.
std::map<int, DatedMarks> GroupByNotice(const DatedMarks& days);

// Update text (the format HolidayTable::ApplyUpdate reads) as dated marks,
// with what was skipped; `years` counts the notices the days make.
struct ParsedUpdate {
    DatedMarks days;
    HolidayUpdateResult result;
};
ParsedUpdate ParseUpdateText(std::string_view text);

// The update file in the notes folder.
inline constexpr char kHolidayUpdateFileName[] = "节假日.txt";

// Larger than any real schedule file: a real update file is a few kilobytes a year.
inline constexpr std::size_t kMaxScheduleFileBytes = 1 << 20;

// A file's bytes whole; none when it is missing, unreadable or larger than
// kMaxScheduleFileBytes.
std::optional<std::string> ReadScheduleFile(const char* path);

class HolidayTable {
public:
    // The built-in years.
    HolidayTable();

    HolidayQuery Query(int year, int month, int day) const;
    bool CoversYear(int year) const { return Chosen(year) != nullptr; }
    // The source of the year's notice; none for a year not covered.
    std::optional<ScheduleSource> SourceOf(int year) const;
    // The first and last year of the built-in table.
    static int FirstBuiltInYear();
    static int LastBuiltInYear();

    // The marked days of a year in date order, whichever notice named them;
    // none for a year not covered.
    std::vector<MarkedDay> YearMarks(int year) const;

    // Update text, one date a line: "2027-02-06 休" or "2027-02-14 班", in
    // UTF-8 or GBK, or UTF-16 with its byte-order mark; a blank, a tab or a
    // full-width space between date and mark. Blank lines and lines
    // starting with '#' are passed over; any other line that is not a real
    // date of a shown year with a mark (or marks a weekday 班) is skipped
    // and counted. Every notice the text names replaces that notice of the
    // source wholly; a later line for the same date wins.
    HolidayUpdateResult ApplyUpdate(std::string_view text, ScheduleSource source = ScheduleSource::UserFile);

    // Reads an update file whole and applies it; none, with the table as it
    // was, when ReadScheduleFile gives none.
    std::optional<HolidayUpdateResult> LoadUpdateFile(const char* path,
                                                      ScheduleSource source = ScheduleSource::UserFile);

    // Sets one notice of a source wholly (a fetched year that passed its checks).
    void SetNotice(ScheduleSource source, int year, DatedMarks days);

private:
    const DatedMarks* Chosen(int year) const;
    void Resolve();

    std::map<int, DatedMarks> notices_[kScheduleSourceCount];  // per source: notice year -> days
    std::map<int, std::map<int, DayOffMark>> years_;            // what the sources give: year -> month * 100 + day
};

}  // namespace lunar
