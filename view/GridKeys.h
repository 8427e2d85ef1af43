// Where the grid's keys take its focus day: a day, a week, a month or a
// year away, or back to today; always within the months the calendar
// shows, February 1900 to December 2049.
#pragma once

namespace view {

enum class GridKey {
    Left,      // the day before
    Right,     // the day after
    Up,        // a week before
    Down,      // a week after
    PageUp,    // the month before, same day
    PageDown,  // the month after, same day
    YearUp,    // Ctrl+PageUp: the year before, same month and day
    YearDown,  // Ctrl+PageDown: the year after
    Home,      // today, as "返回": the owner's navigation decides
};

struct GridDate {
    int year = 0;
    int month = 0;
    int day = 0;
    friend bool operator==(const GridDate&, const GridDate&) = default;
};

// The focus day after `key`. A day or week move that would leave the shown
// range stops at its first or last day; a month or year move keeps the day
// where the new month has it, else takes its last day (31 -> 30 -> 28), and
// stops at the first or last shown month. Home leaves the focus as it is:
// going to today is the navigation's, and FocusDayOfShownMonth follows it.
GridDate MoveFocus(GridDate focus, GridKey key);

// The focus day of a month shown by the buttons, the pickers or the clock:
// the marked day (today) in its own month, else day 1.
int FocusDayOfShownMonth(int year, int month, GridDate mark);

}  // namespace view
