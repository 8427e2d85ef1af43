// Festivals, lunar month and day names, weekday names, and the one label a
// day cell shows. GBK text.
#pragma once

#include "FixedText.h"
#include "LunarDate.h"

#include <cstdint>

namespace lunar {

using MonthNameText = FixedText<8>;  // longest "闰十二", 6 bytes
using DayNameText = FixedText<8>;    // two characters
using LabelText = FixedText<18>;     // longest "闰十二月大", 10 bytes

// Festival of a lunar date, or nullptr.
const char* LunarFestival(const LunarDate& d);

// Festival of a Gregorian month and day, or nullptr.
const char* SolarFestival(std::int32_t month, std::int32_t day);

// The festival a day shows: a lunar festival hides a Gregorian one.
const char* DayFestival(const LunarDate& d, std::int32_t gregorianMonth, std::int32_t gregorianDay);

// "正" ... "十二", with "闰" in front for a leap month; no "月".
MonthNameText LunarMonthName(std::uint16_t month, std::uint8_t leap);

// "初一" ... "三十".
DayNameText LunarDayName(std::uint16_t day);

// One-character weekday name; index 0..7 (7 repeats Sunday), "" outside.
const char* WeekdayName(int index);

struct DayLabelResult {
    LabelText label;
    bool monthNameShown = false;  // the label is the lunar month's name
};

// The label under a day number: festival, else solar term (mark 1 or 2),
// else the lunar day's name, and on lunar day 1 the month's name and size.
DayLabelResult DayLabel(const char* festival, int termMark, int gregorianMonth, const LunarDate& d);

}  // namespace lunar
