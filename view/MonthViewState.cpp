#include "view/MonthViewState.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <new>
#include <utility>

namespace view {

namespace {

constexpr std::uint16_t kSaturday = 6;
constexpr std::uint16_t kSunday = 0;
constexpr char kLineBreak[] = "\r\n";
constexpr std::size_t kLineBreakLength = sizeof kLineBreak - 1;

void RemoveLeadingBlanks(std::string& text) { text.erase(0, text.find_first_not_of(' ')); }

int CombineResults(int a, int b) { return a == 0 && b == 0 ? 0 : -1; }

}  // namespace

bool MonthViewState::SetMonth(int y, int m, int mark) {
    lunar::MonthModel model;
    if (!lunar::IsShownMonth(y, m) ||
        !lunar::FillMonth(static_cast<std::uint16_t>(y), static_cast<std::uint16_t>(m), model))
        return false;

    year = y;
    month = m;
    dayCount = model.dayCount;
    if (mark > dayCount) mark = dayCount;
    if (mark > 0) {
        markYear = y;
        markMonth = m;
        markDay = mark;
    }
    std::copy(std::begin(model.days), std::end(model.days), std::begin(days));
    yearTitle = model.yearTitle;
    firstLunarMonth_ = model.firstLunarMonth;
    middleLunarMonth_ = model.middleLunarMonth;

    // A damaged note file still yields the notes read before the damage, so
    // load results are not acted on.
    static_cast<void>(dayNotes.Open(y, m));
    static_cast<void>(gregorianYearlyNotes.Open(1, m));
    static_cast<void>(lunarYearlyNotesFirst.Open(0, model.firstLunarMonth));
    if (middleLunarMonth_ != 0)
        static_cast<void>(lunarYearlyNotesMiddle.Open(0, middleLunarMonth_));
    else
        lunarYearlyNotesMiddle = notes::CNoteStore{};  // no stale notes of an earlier month
    static_cast<void>(lunarYearlyNotesLast.Open(0, model.lastLunarMonth));
    static_cast<void>(weeklyNotes.OpenWeekly());
    return true;
}

bool MonthViewState::MarkedMonthShown() const { return year == markYear && month == markMonth; }

bool MonthViewState::TodayButtonWanted() const { return markDay != 0 && !MarkedMonthShown(); }

GridPoint MonthViewState::GetCellOrigin(int day) const { return CellOrigin(days[1].weekday, day, scale); }

int MonthViewState::HitTest(GridPoint pt) const { return HitTestDay(days[1].weekday, dayCount, pt, scale); }

const notes::CNoteStore& MonthViewState::LunarStoreOf(int day) const {
    const int lunarMonth = days[day].lunar.month;
    if (lunarMonth == firstLunarMonth_) return lunarYearlyNotesFirst;
    if (middleLunarMonth_ != 0 && lunarMonth == middleLunarMonth_) return lunarYearlyNotesMiddle;
    return lunarYearlyNotesLast;
}

notes::CNoteStore& MonthViewState::LunarStoreOf(int day) {
    return const_cast<notes::CNoteStore&>(std::as_const(*this).LunarStoreOf(day));
}

const notes::NoteSlot& MonthViewState::LunarYearlySlot(int day) const {
    if (!IsShownDay(day)) return lunarYearlyNotesFirst.Slot(-1);  // the always-empty slot
    return LunarStoreOf(day).Slot(days[day].lunar.day);
}

int MonthViewState::SetLunarYearly(int day, const char* text, std::size_t length, std::uint32_t colourWord) {
    if (!IsShownDay(day)) return -1;
    return LunarStoreOf(day).Set(days[day].lunar.day, text, length, colourWord);
}

std::unique_ptr<char[]> MonthViewState::DayNotesText(int day, std::size_t& length) const {
    length = 0;
    if (!IsShownDay(day)) return nullptr;
    const notes::NoteSlot* const pieces[] = {&weeklyNotes.Slot(days[day].weekday), &dayNotes.Slot(day),
                                             &gregorianYearlyNotes.Slot(day), &LunarYearlySlot(day)};
    std::size_t total = 0;
    for (const notes::NoteSlot* piece : pieces)
        if (piece->CarriesNote()) total += piece->Length() + kLineBreakLength;
    if (total == 0) return nullptr;

    std::unique_ptr<char[]> text(new (std::nothrow) char[total + 1]);
    if (!text) return nullptr;
    std::size_t written = 0;
    for (const notes::NoteSlot* piece : pieces) {
        if (!piece->CarriesNote()) continue;
        if (written > 0) {
            std::memcpy(text.get() + written, kLineBreak, kLineBreakLength);
            written += kLineBreakLength;
        }
        std::memcpy(text.get() + written, piece->Text(), piece->Length());
        written += piece->Length();
    }
    text[written] = '\0';
    length = written;
    return text;
}

int MonthViewState::ApplyDayNotes(std::string t1, std::uint32_t c1, std::string t2, std::uint32_t c2, std::string t3,
                                  std::uint32_t c3) {
    // Without a shown day the slots would belong to no date.
    if (!IsShownDay(activeDay)) return -1;
    RemoveLeadingBlanks(t1);
    RemoveLeadingBlanks(t2);
    RemoveLeadingBlanks(t3);
    const int oneOff = dayNotes.Set(activeDay, t1.data(), t1.size(), c1);
    const int gregorianYearly = gregorianYearlyNotes.Set(activeDay, t2.data(), t2.size(), c2);
    const int lunarYearly = SetLunarYearly(activeDay, t3.data(), t3.size(), c3);
    return CombineResults(CombineResults(oneOff, gregorianYearly), lunarYearly);
}

int MonthViewState::ApplyWeeklyNote(std::string t, std::uint32_t c) {
    if (weekdayIndex < 0 || weekdayIndex >= kColumns) return -1;
    RemoveLeadingBlanks(t);
    return weeklyNotes.Set(weekdayIndex, t.data(), t.size(), c);
}

std::uint32_t MonthViewState::DayTextColour(int day) const {
    if (!IsShownDay(day)) return plainDayColor;
    const lunar::DayCell& cell = days[day];
    if (LunarYearlySlot(day).CarriesNote()) return plainDayColor;
    if (dayNotes.Slot(day).CarriesNote() || gregorianYearlyNotes.Slot(day).CarriesNote()) return plainDayColor;
    if (cell.festival != nullptr) return festivalColor;
    if (cell.termMark != 0) return solarTermColor;
    if (cell.weekday == kSaturday) return saturdayColor;
    if (cell.weekday == kSunday) return festivalColor;
    return plainDayColor;
}

std::uint32_t MonthViewState::HeaderNameColour(int weekday) const {
    if (MarkedMonthShown() && IsShownDay(markDay) && days[markDay].weekday == weekday) return markColor;
    return headerTextColor;
}

std::string MonthViewState::ScheduleNote(bool shortText) const {
    if (year == 0 || holidays.CoversYear(year)) return {};
    return shortText ? "调休未公布" : std::to_string(year) + "年调休未公布";
}

}  // namespace view
