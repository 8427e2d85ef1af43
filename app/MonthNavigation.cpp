#include "app/MonthNavigation.h"

namespace app {

namespace {

// Months counted from January of year 0, for ordering.
int MonthIndex(YearMonth ym) { return ym.year * 12 + ym.month - 1; }

YearMonth FromIndex(int index) { return {index / 12, index % 12 + 1}; }

}  // namespace

YearMonth PreviousMonth(YearMonth shown) {
    if (MonthIndex(shown) <= MonthIndex(kFirstShownMonth)) return kFirstShownMonth;
    return FromIndex(MonthIndex(shown) - 1);
}

YearMonth NextMonth(YearMonth shown) {
    if (MonthIndex(shown) >= MonthIndex(kLastShownMonth)) return kLastShownMonth;
    return FromIndex(MonthIndex(shown) + 1);
}

int YearItem(int year) { return year - kFirstShownMonth.year; }

int MonthItem(int month) { return month - 1; }

std::optional<PickerChoice> MonthForPickerItems(int yearItem, int monthItem) {
    if (yearItem < 0 || yearItem >= kYearItemCount || monthItem < 0 || monthItem >= kMonthItemCount)
        return std::nullopt;
    const YearMonth chosen{kFirstShownMonth.year + yearItem, monthItem + 1};
    if (MonthIndex(chosen) < MonthIndex(kFirstShownMonth)) return PickerChoice{kFirstShownMonth, true};
    return PickerChoice{chosen, false};
}

TodayView ShownMonthFor(CalendarDate today) {
    const YearMonth month{today.year, today.month};
    if (today.month < 1 || today.month > 12 || MonthIndex(month) < MonthIndex(kFirstShownMonth))
        return {kFirstShownMonth, 0};
    if (MonthIndex(month) > MonthIndex(kLastShownMonth)) return {kLastShownMonth, 0};
    return {month, today.day};
}

bool TodayMoveNeeded(YearMonth shown, CalendarDate mark, CalendarDate today) {
    const TodayView target = ShownMonthFor(today);
    if (shown != target.shown) return true;
    return target.markDay != 0 && mark != today;
}

}  // namespace app
