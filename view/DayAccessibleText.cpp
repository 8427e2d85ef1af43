#include "view/DayAccessibleText.h"

#include "engine/DayLabels.h"
#include "engine/SolarTerms.h"
#include "view/MonthViewState.h"

#include <cstdio>
#include <cstring>

namespace view {

namespace {

constexpr char kSeparator[] = " ";

int NotesOf(const MonthViewState& state, int day) {
    const notes::NoteSlot* slots[] = {&state.weeklyNotes.Slot(state.days[day].weekday), &state.dayNotes.Slot(day),
                                      &state.gregorianYearlyNotes.Slot(day), &state.LunarYearlySlot(day)};
    int count = 0;
    for (const notes::NoteSlot* slot : slots) count += slot->CarriesNote() ? 1 : 0;
    return count;
}

}  // namespace

std::string MonthTableName(int year, int month) {
    char text[32];
    std::snprintf(text, sizeof text, "%d年%d月", year, month);
    return text;
}

std::string DayCellName(const MonthViewState& state, int day) {
    if (day < 1 || day > state.dayCount) return "";
    const lunar::DayCell& cell = state.days[day];
    const lunar::DayNameText lunarDay = lunar::LunarDayName(static_cast<std::uint16_t>(cell.lunar.day));
    char text[128];
    std::snprintf(text, sizeof text, "%d年%d月%d日 星期%s 农历%s月%s", state.year, state.month, day,
                  lunar::WeekdayName(cell.weekday),
                  lunar::LunarMonthName(static_cast<std::uint16_t>(cell.lunar.month), cell.lunar.isLeap).c_str(),
                  lunarDay.c_str());
    std::string name = text;
    // 春节's 初二 and 初三 are the lunar day's own names: said once.
    if (cell.festival && !(lunarDay == cell.festival)) name.append(kSeparator).append(cell.festival);
    if (cell.termMark != 0)
        name.append(kSeparator).append(lunar::SolarTermName(state.month, cell.termMark));
    const lunar::DayOffMark mark = state.DayOffMarkOf(day);
    if (mark != lunar::DayOffMark::None) name.append(kSeparator).append(lunar::DayOffMarkText(mark));
    if (const int notes = NotesOf(state, day)) {
        std::snprintf(text, sizeof text, "有%d条记事", notes);
        name.append(kSeparator).append(text);
    }
    return name;
}

std::string WeekdayHeaderName(const MonthViewState& state, int weekday) {
    std::string name = std::string("星期") + lunar::WeekdayName(weekday);
    if (weekday >= 0 && weekday <= 6 && state.weeklyNotes.Slot(weekday).CarriesNote()) name += " 有每周提示";
    return name;
}

const char* ColourButtonName(notes::NoteKind kind) {
    switch (kind) {
        case notes::NoteKind::OneOff: return "一次性记事颜色";
        case notes::NoteKind::GregorianYearly: return "阳历每年记事颜色";
        case notes::NoteKind::LunarYearly: return "农历每年记事颜色";
        case notes::NoteKind::Weekly: return "每周提示颜色";
    }
    return "";
}

}  // namespace view
