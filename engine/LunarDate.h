// Gregorian arithmetic and conversion of Gregorian dates to lunar dates.
//
// The lunar year is numbered by the Gregorian year in which its new year
// falls; 2024-01-15 is lunar 2023, month 12, day 5. Everything here is pure
// computation on constant tables: no allocation, no platform headers.
#pragma once

#include <cstdint>

namespace lunar {

// Lunar years described by the built-in year table.
inline constexpr int kFirstLunarYear = 1900;
inline constexpr int kLastLunarYear = 2050;

// Gregorian dates the conversion covers: 1900-01-31 (lunar 1900-01-01)
// through 2051-02-10 (lunar 2050-12-29).
inline constexpr int kFirstConvertibleDays = 0;     // DaysBetween(1900-01-31, itself)
inline constexpr int kLastConvertibleDays = 55162;  // DaysBetween(2051-02-10, 1900-01-31)

// Year-table queries. Years outside 1900..2050 read as a year of twelve
// 29-day months without a leap month, so no lookup ever leaves the table.
int LeapMonth(int year);                    // 0 (none) or 1..12
int LunarMonthLength(int year, int month);  // 29 or 30
int LeapMonthLength(int year);              // 0, 29 or 30
int LunarYearLength(int year);              // 353..385 inside the table

bool IsLeapYear(std::int16_t year);
std::uint16_t GregorianMonthLength(std::uint16_t year, std::uint16_t month);  // 0 outside 1..12

// Days from the second date to the first (positive when the first is later).
int DaysBetween(int y1, int m1, int d1, int y2, int m2, int d2);

// 0 = Sunday ... 6 = Saturday.
int Weekday(std::uint16_t year, std::uint16_t month, std::uint16_t day);

// True when (year, month, day) is a real Gregorian date the conversion covers.
bool IsConvertible(int year, int month, int day);

struct LunarDate {
    std::int32_t year = 0;         // lunar year, 1900..2050
    std::int32_t month = 0;        // 1..12; a leap month carries the number it follows
    std::int32_t day = 0;          // 1..30
    std::uint8_t pairedMonth = 0;  // 1 when the year's leap month repeats this month's number
    std::uint8_t isLeap = 0;       // 1 inside the leap month
    std::int32_t monthLength = 0;  // 29 or 30
    std::int32_t elapsed = 0;      // day - 1 after a conversion; NextDay adds 1

    // Fills every field for a Gregorian date. Refuses (returns false and
    // leaves an all-zero record) a date that is not real or lies outside
    // 1900-01-31 .. 2051-02-10, so callers never read an undefined result.
    [[nodiscard]] bool FromGregorian(int year, int month, int day);

    // Advances the record to the following day.
    void NextDay();

    friend bool operator==(const LunarDate&, const LunarDate&) = default;
};

}  // namespace lunar
