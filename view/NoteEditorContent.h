// What the two note editors show apart from the notes themselves: their
// label texts and caption, and the colours their colour chooser offers.
#pragma once

#include "view/MonthViewState.h"

#include <array>
#include <cstdint>
#include <string>

namespace view {

// The chooser's table of 16 custom colours (0x00BBGGRR).
using CustomColourTable = std::array<std::uint32_t, 16>;

// "2024年2月10日星期六农历正月初一": the day of the shown month, its
// weekday, and its lunar month (never with "闰") and lunar day.
std::string DayEditorDateLabel(const MonthViewState& view, int day);
// "阳历每年12月31日".
std::string GregorianYearlyLabel(int month, int day);
// "农历每年八月十五", the month named without "闰" like the file it uses.
std::string LunarYearlyLabel(const lunar::LunarDate& date);
// "每周二"; weekday 0 = Sunday.
std::string WeeklyLabel(int weekday);
// "输入记事 - " and the application's title.
std::string DayEditorCaption();

// The day editor offers the colours its three notes are drawn in, then white.
CustomColourTable DayEditorColours(std::uint32_t oneOffWord, std::uint32_t gregorianWord, std::uint32_t lunarWord);
// The weekly editor offers the colour of the weekly note, then white.
CustomColourTable WeeklyEditorColours(std::uint32_t weeklyWord);

// The colour word of a colour the user picked.
std::uint32_t ChosenColourWord(std::uint32_t colour);

}  // namespace view
