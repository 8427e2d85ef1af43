#include "view/GridKeys.h"

#include "engine/LunarDate.h"
#include "engine/MonthModel.h"

#include <algorithm>

namespace view {

namespace {

// Months counted from January of year 0, for ordering and stepping.
int MonthIndex(int year, int month) { return year * 12 + month - 1; }

constexpr int kFirstIndex = lunar::kFirstShownYear * 12 + lunar::kFirstShownMonth - 1;
constexpr int kLastIndex = lunar::kLastShownYear * 12 + lunar::kLastShownMonth - 1;

int LengthOf(int year, int month) {
    return lunar::GregorianMonthLength(static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month));
}

// Day `day` of the month at `index` (clamped to the range), the day kept
// where that month has it.
GridDate DayOfMonth(int index, int day) {
    index = std::clamp(index, kFirstIndex, kLastIndex);
    const int year = index / 12, month = index % 12 + 1;
    return {year, month, std::clamp(day, 1, LengthOf(year, month))};
}

// `days` days after `from` (negative: before), by whole months, stopping
// at the range's first and last day.
GridDate AddDays(GridDate from, int days) {
    int index = MonthIndex(from.year, from.month);
    int day = from.day + days;
    while (day < 1 && index > kFirstIndex) {
        --index;
        day += LengthOf(index / 12, index % 12 + 1);
    }
    while (index < kLastIndex && day > LengthOf(index / 12, index % 12 + 1)) {
        day -= LengthOf(index / 12, index % 12 + 1);
        ++index;
    }
    return DayOfMonth(index, day);
}

}  // namespace

GridDate MoveFocus(GridDate focus, GridKey key) {
    const int index = MonthIndex(focus.year, focus.month);
    switch (key) {
        case GridKey::Left: return AddDays(focus, -1);
        case GridKey::Right: return AddDays(focus, 1);
        case GridKey::Up: return AddDays(focus, -7);
        case GridKey::Down: return AddDays(focus, 7);
        case GridKey::PageUp: return DayOfMonth(index - 1, focus.day);
        case GridKey::PageDown: return DayOfMonth(index + 1, focus.day);
        case GridKey::YearUp: return DayOfMonth(index - 12, focus.day);
        case GridKey::YearDown: return DayOfMonth(index + 12, focus.day);
        case GridKey::Home: break;
    }
    return focus;
}

int FocusDayOfShownMonth(int year, int month, GridDate mark) {
    return mark.year == year && mark.month == month && mark.day > 0 ? mark.day : 1;
}

}  // namespace view
