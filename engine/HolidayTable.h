// Days off (休) and make-up working days (班) of the yearly holiday
// schedules. No rule derives them: they come from a built-in table of the
// published schedules, and an update file can add or replace whole years.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

namespace lunar {

enum class DayOffMark : std::uint8_t { None, Off, MakeUpWork };

// "休", "班", or empty text for an ordinary day.
const char* DayOffMarkText(DayOffMark mark);

struct HolidayQuery {
    DayOffMark mark = DayOffMark::None;
    bool yearCovered = false;  // false: the schedule of that year is unknown
    friend bool operator==(const HolidayQuery&, const HolidayQuery&) = default;
};

struct HolidayUpdateResult {
    int years = 0;     // years the update brought in (each replaces that year)
    int badLines = 0;  // lines skipped because they did not parse
    friend bool operator==(const HolidayUpdateResult&, const HolidayUpdateResult&) = default;
};

struct MarkedDay {
    int month = 0;
    int day = 0;
    DayOffMark mark = DayOffMark::None;
};

// The update file in the notes folder.
inline constexpr char kHolidayUpdateFileName[] = "节假日.txt";

class HolidayTable {
public:
    // The built-in years.
    HolidayTable();

    HolidayQuery Query(int year, int month, int day) const;
    bool CoversYear(int year) const { return years_.count(year) != 0; }
    // The first and last year of the built-in table.
    static int FirstBuiltInYear();
    static int LastBuiltInYear();

    // The marked days of a year in date order; none for a year not covered.
    std::vector<MarkedDay> YearMarks(int year) const;

    // Update text, one date a line: "2027-02-06 休" or "2027-02-14 班", in
    // UTF-8 or GBK. Blank lines and lines starting with '#' are passed over;
    // any other line that is not a real date with a mark (or marks a weekday
    // 班) is skipped and counted. Every year the text names replaces that
    // year of the table wholly; a later line for the same date wins.
    HolidayUpdateResult ApplyUpdate(std::string_view text);

    // Reads an update file whole and applies it; none, with the table as it
    // was, when the file is missing, unreadable or larger than any real one.
    std::optional<HolidayUpdateResult> LoadUpdateFile(const char* path);

private:
    std::map<int, std::map<int, DayOffMark>> years_;  // year -> month * 100 + day
};

}  // namespace lunar
