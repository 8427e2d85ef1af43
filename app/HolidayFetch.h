// The yearly holiday schedule fetched when it is published: which year to
// ask for and when, where from, the checks an answer passes before anything
// is kept, and the file it is kept in ("节假日\N.txt" in the notes folder).
// Portable; HolidayFetch_win.cpp does the asking.
#pragma once

#include "app/MonthNavigation.h"
#include "app/Settings.h"
#include "engine/HolidayTable.h"

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace app {

// Data sets that publish one JSON file a year, tried in order; "{year}"
// stands for the year. The settings value HolidaySource replaces them with
// one template, or, empty, turns fetching off.
inline constexpr const char* kDefaultHolidaySources[] = {
    "https://cdn.jsdelivr.net/gh/NateScarlet/holiday-cn@master/{year}.json",
    "https://raw.githubusercontent.com/NateScarlet/holiday-cn/master/{year}.json",
};
inline constexpr char kYearPlaceholder[] = "{year}";

// No real year's file comes near this.
inline constexpr std::size_t kHolidayBodyCap = 64 * 1024;
// A year's schedule names this many days, within reason.
inline constexpr int kFewestScheduleDays = 10, kMostScheduleDays = 80;

// Beside "日历" in the notes folder.
inline constexpr char kFetchedHolidayFolder[] = "节假日";

std::vector<std::string> HolidaySources(const SettingsReader& settings);
// The template with every "{year}" replaced.
std::string SourceAddress(std::string_view source, int year);

// "节假日\2031.txt" (with the platform's separator).
std::string FetchedYearPath(int year, char separator);

enum class YearFault {
    TooLarge,         // beyond kHolidayBodyCap
    NotJson,          // not JSON at all, or cut short
    NotASchedule,     // no "year" number or "days" list of {date, isOffDay}
    WrongYear,        // another year than the one asked for
    DateOutsideYear,  // not a real date of December N - 1 or of year N
    WeekdayWork,      // a Monday to Friday marked as a working day (班)
    DayCount,         // fewer than 10 or more than 80 days
    BadLine,          // a kept file with a line that does not read
};

struct FetchedYear {
    int year = 0;
    lunar::DatedMarks days;
    std::vector<std::string> papers;  // the notices' addresses
};

struct YearCheck {
    std::optional<FetchedYear> year;  // none: nothing is kept
    YearFault fault = YearFault::NotJson;
};

// A body in holiday-cn's form: {"year": 2031, "papers": [...], "days":
// [{"name": ..., "date": "2031-01-01", "isOffDay": true}, ...]}.
YearCheck CheckFetchedYear(std::string_view body, int year);

// The rules every kept year passes, for the days of a body or of a kept file.
std::optional<YearFault> CheckYearDays(const lunar::DatedMarks& days, int year);

// The kept file: update-file lines in GBK after a first comment line naming
// the source and the notices.
std::string FetchedYearFileText(const FetchedYear& year, std::string_view address);
// A kept file read back, checked like a body; none when it fails.
std::optional<lunar::DatedMarks> ReadFetchedYearFile(std::string_view text, int year);

// When to ask: this year when it has no schedule, next year too from
// 1 November, each at most once a day until it has one.
struct HolidayYearState {
    bool covered = false;
    CalendarDate lastAsked;  // {} when never asked
};
struct HolidayFetchPlan {
    int year = 0;  // the year to ask for now; 0 for none
    friend bool operator==(const HolidayFetchPlan&, const HolidayFetchPlan&) = default;
};
HolidayFetchPlan PlanHolidayFetch(CalendarDate today, const HolidayYearState& thisYear,
                                  const HolidayYearState& nextYear);

// The day each year was last asked for, kept in the settings value
// HolidayAsked so that a restart on the same day does not ask again.
using HolidayAskDays = std::map<int, CalendarDate>;
// "2027:20261209 2028:20271101": pairs of a year and a real date, by blanks.
// A pair that does not read so is passed over; a year given twice keeps the
// later pair.
HolidayAskDays ParseHolidayAsked(std::string_view text);
// The pairs of years from `fromYear` on, in that form: an earlier year is
// never asked for again.
std::string HolidayAskedText(const HolidayAskDays& days, int fromYear);

}  // namespace app
