// Everything the month grid shows for one Gregorian month: per day its
// weekday, lunar date, solar-term mark, festival and label, plus the year
// title and the lunar months the month touches.
#pragma once

#include "DayLabels.h"
#include "LunarDate.h"
#include "YearNames.h"

#include <cstdint>

namespace lunar {

// Months the calendar navigates: February 1900 through December 2049.
inline constexpr int kFirstShownYear = 1900, kFirstShownMonth = 2;
inline constexpr int kLastShownYear = 2049, kLastShownMonth = 12;

struct DayCell {
    std::uint16_t weekday = 0;  // 0 = Sunday
    LunarDate lunar;
    std::uint16_t termMark = 0;       // 0 none, 1 first term of the month, 2 second
    char label[18] = {};              // NUL-terminated GBK
    const char* festival = nullptr;   // festival name or null
    std::uint8_t monthNameShown = 0;  // 1 when label is the lunar month's name
};

struct MonthModel {
    std::uint16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t dayCount = 0;
    DayCell days[32];  // days[1..dayCount]; days[0] unused
    YearTitleText yearTitle;
    // Lunar month numbers (1..12, no leap flag) of the first and last day,
    // and of the month between them when the Gregorian month touches three
    // (0 otherwise).
    int firstLunarMonth = 0;
    int middleLunarMonth = 0;
    int lastLunarMonth = 0;
};

// True for the months the calendar navigates.
bool IsShownMonth(int year, int month);

// Fills `model` for a Gregorian month: one conversion for the first day,
// NextDay for the rest. Returns false, leaving `model` empty, for a month
// some day of which the tables do not cover.
[[nodiscard]] bool FillMonth(std::uint16_t year, std::uint16_t month, MonthModel& model);

}  // namespace lunar
