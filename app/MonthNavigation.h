// Which month the main window shows: the previous and next month within the
// navigable range, the year and month pickers, and going back to today.
#pragma once

#include <optional>

namespace app {

struct YearMonth {
    int year = 0;
    int month = 0;
    friend bool operator==(const YearMonth&, const YearMonth&) = default;
};

struct CalendarDate {
    int year = 0;
    int month = 0;
    int day = 0;
    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

inline constexpr YearMonth kFirstShownMonth{1900, 2};
inline constexpr YearMonth kLastShownMonth{2049, 12};

// Items of the pickers: year item i is 1900 + i, month item j is month j + 1.
inline constexpr int kYearItemCount = 150;
inline constexpr int kMonthItemCount = 12;
inline constexpr int kNoItem = -1;  // nothing selected (CB_ERR)

// The month before, staying at February 1900 (also for anything earlier).
YearMonth PreviousMonth(YearMonth shown);
// The month after, staying at December 2049 (also for anything later).
YearMonth NextMonth(YearMonth shown);

int YearItem(int year);
int MonthItem(int month);

struct PickerChoice {
    YearMonth shown;
    // The month picker must be re-selected to MonthItem(shown.month): January
    // 1900 was chosen, which is not shown.
    bool reselectMonth = false;
    friend bool operator==(const PickerChoice&, const PickerChoice&) = default;
};

// The month the pickers' items choose; none when either has no selection.
std::optional<PickerChoice> MonthForPickerItems(int yearItem, int monthItem);

struct TodayView {
    YearMonth shown;
    int markDay = 0;  // 0 leaves the marked date as it was
    friend bool operator==(const TodayView&, const TodayView&) = default;
};

// The month to show for today's date and the day to mark: today itself
// inside the navigable range; else the nearest month in range, unmarked.
TodayView ShownMonthFor(CalendarDate today);

// Whether going to today changes anything: the view must show today's month
// and have today marked. The day under the pointer plays no part, so after
// midnight the mark moves on to the new day.
bool TodayMoveNeeded(YearMonth shown, CalendarDate mark, CalendarDate today);

}  // namespace app
