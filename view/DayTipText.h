// What the day tip shows: on a solar-term day a first line with the term
// and its time, then the day's notes.
#pragma once

#include "view/MonthViewState.h"

#include <cstddef>
#include <memory>
#include <string>

namespace view {

// "大雪 12月7日 10:52" (Beijing time) for the day of a solar term, empty text
// for any other day. A time stored as minute 60 reads as the next hour; at
// 23:60 it reads 23:59, keeping the term on the day the grid shows it.
std::string SolarTermTipLine(int year, int month, int day);

// The term line and the notes of a shown day, joined by CR LF; none and
// length 0 for a day with neither.
std::unique_ptr<char[]> DayTipText(const MonthViewState& state, int day, std::size_t& length);

}  // namespace view
