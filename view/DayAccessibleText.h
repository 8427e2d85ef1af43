// What a screen reader hears of the month grid and the note editors'
// colour buttons: names carrying the whole date, the lunar date and what a
// cell shows or means. GBK, like every text inside the program.
#pragma once

#include "notes/NoteStore.h"

#include <string>

namespace view {

class MonthViewState;

// The grid as a table: "2026年12月".
std::string MonthTableName(int year, int month);

// A shown day: "2026年12月9日 星期三 农历十一月初一", then its festival,
// its solar term, 休 or 班, and "有N条记事" for the notes it carries.
std::string DayCellName(const MonthViewState& state, int day);

// A weekday column's header: "星期三", and " 有每周提示" when it has one.
std::string WeekdayHeaderName(const MonthViewState& state, int weekday);

// The colour button of a note kind: "一次性记事颜色" ...
const char* ColourButtonName(notes::NoteKind kind);

}  // namespace view
