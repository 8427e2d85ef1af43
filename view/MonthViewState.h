// What the month view keeps and decides, apart from its window: the shown
// month and its day cells, the marked date, the day under the pointer, the
// note stores of the shown days, and which colour each thing is drawn in.
#pragma once

#include "engine/HolidayTable.h"
#include "engine/MonthModel.h"
#include "notes/NoteStore.h"
#include "view/MonthLayout.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace view {

// A colour as 0x00BBGGRR.
constexpr std::uint32_t Rgb(int red, int green, int blue) {
    return static_cast<std::uint32_t>(red) | (static_cast<std::uint32_t>(green) << 8) |
           (static_cast<std::uint32_t>(blue) << 16);
}

inline constexpr std::uint32_t headerBackColor = Rgb(72, 61, 139);
inline constexpr std::uint32_t headerTextColor = Rgb(255, 255, 120);
inline constexpr std::uint32_t cellBackColor = Rgb(245, 245, 230);
inline constexpr std::uint32_t plainDayColor = Rgb(0, 0, 0);
inline constexpr std::uint32_t markColor = Rgb(0, 255, 255);
inline constexpr std::uint32_t solarTermColor = Rgb(0, 0, 255);
inline constexpr std::uint32_t saturdayColor = Rgb(0, 128, 0);
inline constexpr std::uint32_t festivalColor = Rgb(255, 0, 0);
// The 休 of a day off and the 班 of a make-up working day.
inline constexpr std::uint32_t dayOffColor = Rgb(220, 0, 0);
inline constexpr std::uint32_t makeUpWorkColor = Rgb(80, 80, 80);
// Behind the cells (the gaps between them form the grid lines), and the strip.
inline constexpr std::uint32_t gridLineColor = Rgb(0, 0, 0);
inline constexpr std::uint32_t stripBackColor = Rgb(255, 215, 0);

class MonthViewState {
public:
    // Shows a Gregorian month: refills the day cells and reopens the note
    // stores. A mark day beyond the month's last day marks the last day; a
    // mark day of 0 keeps the marked date. Returns false, changing nothing,
    // for a month outside February 1900 .. December 2049.
    bool SetMonth(int y, int m, int mark);

    // The marked date lies in the shown month.
    bool MarkedMonthShown() const;
    // No date is marked (today lies outside the shown range).
    void ClearMark() { markYear = markMonth = markDay = 0; }
    // The back-to-today button is shown: there is a marked today (the clock
    // lies in the navigable range) and another month is shown.
    bool TodayButtonWanted() const;

    // In client pixels at `scale`, the view's DPI.
    GridPoint GetCellOrigin(int day) const;
    // The day under a client point, 0 for none.
    int HitTest(GridPoint pt) const;

    // The lunar-yearly note of a shown day, from its own lunar month's store
    // (a leap month shares the store of the month with the same number).
    const notes::NoteSlot& LunarYearlySlot(int day) const;
    // Stores that note; the store's Set result (-1 also for a day not shown).
    [[nodiscard]] int SetLunarYearly(int day, const char* text, std::size_t length, std::uint32_t colourWord);

    // Weekly, one-off, Gregorian-yearly and lunar-yearly notes of the day,
    // joined by CR LF; none and length 0 when the day carries no note.
    std::unique_ptr<char[]> DayNotesText(int day, std::size_t& length) const;

    // Stores the one-off, Gregorian-yearly and lunar-yearly notes of
    // activeDay, leading blanks removed. All three are attempted; 0, or -1
    // when any of them was not saved (the texts stay in the stores).
    [[nodiscard]] int ApplyDayNotes(std::string t1, std::uint32_t c1, std::string t2, std::uint32_t c2, std::string t3,
                                    std::uint32_t c3);
    // Stores the weekly note of weekdayIndex, leading blanks removed; 0 or -1.
    [[nodiscard]] int ApplyWeeklyNote(std::string t, std::uint32_t c);

    // Day off, make-up working day or neither, for a shown day; neither also
    // for a day whose year has no schedule.
    lunar::DayOffMark DayOffMarkOf(int day) const {
        return IsShownDay(day) ? holidays.Query(year, month, day).mark : lunar::DayOffMark::None;
    }

    // For a shown month whose year has no schedule, "2027年调休未公布", or
    // without the year, "调休未公布"; empty for a covered year.
    std::string ScheduleNote(bool shortText = false) const;

    // Colour of a day's number and label.
    std::uint32_t DayTextColour(int day) const;
    // Colour of a weekday name in the header: the marked day's weekday stands
    // out while the marked month is shown.
    std::uint32_t HeaderNameColour(int weekday) const;

    int year = 0;
    int month = 0;
    int activeDay = 0;     // day under the pointer or last clicked; 0 = none
    base::DpiScale scale;  // the view's DPI: its client pixels per design pixel
    int markYear = 0;
    int markMonth = 0;
    int markDay = 0;
    int weekdayIndex = -1;  // column chosen for the weekly editor
    int dayCount = 0;
    lunar::DayCell days[32];  // days[1..dayCount]
    lunar::YearTitleText yearTitle;

    notes::CNoteStore dayNotes;
    notes::CNoteStore gregorianYearlyNotes;
    // Lunar-yearly notes of the lunar months the shown days fall in: that of
    // day 1, that of the last day, and the one between them when a 31-day
    // month touches three lunar months.
    notes::CNoteStore lunarYearlyNotesFirst;
    notes::CNoteStore lunarYearlyNotesMiddle;
    notes::CNoteStore lunarYearlyNotesLast;
    notes::CNoteStore weeklyNotes;
    // The built-in schedules, fetched years and the update file's.
    lunar::HolidayTable holidays;

private:
    bool IsShownDay(int day) const { return day >= 1 && day <= dayCount; }
    const notes::CNoteStore& LunarStoreOf(int day) const;
    notes::CNoteStore& LunarStoreOf(int day);

    int firstLunarMonth_ = 0;
    int middleLunarMonth_ = 0;  // 0 when the month touches at most two
};

}  // namespace view
