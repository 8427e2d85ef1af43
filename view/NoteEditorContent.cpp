#include "view/NoteEditorContent.h"

#include "engine/DayLabels.h"
#include "view/AppTitle.h"

#include <cstdio>

namespace view {

namespace {

constexpr std::uint32_t kWhite = Rgb(255, 255, 255);

// Room for the longest label: four-digit year, "闰"-less names.
using LabelBuffer = char[96];

CustomColourTable WhiteTable() {
    CustomColourTable table;
    table.fill(kWhite);
    return table;
}

}  // namespace

std::string DayEditorDateLabel(const MonthViewState& view, int day) {
    const lunar::DayCell& cell = view.days[day >= 1 && day <= view.dayCount ? day : 0];
    const auto monthName = lunar::LunarMonthName(static_cast<std::uint16_t>(cell.lunar.month), 0);
    const auto dayName = lunar::LunarDayName(static_cast<std::uint16_t>(cell.lunar.day));
    LabelBuffer text;
    std::snprintf(text, sizeof text, "%d年%d月%d日星期%s农历%s月%s", view.year, view.month, day,
                  lunar::WeekdayName(cell.weekday), monthName.c_str(), dayName.c_str());
    return text;
}

std::string GregorianYearlyLabel(int month, int day) {
    LabelBuffer text;
    std::snprintf(text, sizeof text, "阳历每年%d月%d日", month, day);
    return text;
}

std::string LunarYearlyLabel(const lunar::LunarDate& date) {
    const auto monthName = lunar::LunarMonthName(static_cast<std::uint16_t>(date.month), 0);
    const auto dayName = lunar::LunarDayName(static_cast<std::uint16_t>(date.day));
    LabelBuffer text;
    std::snprintf(text, sizeof text, "农历每年%s月%s", monthName.c_str(), dayName.c_str());
    return text;
}

std::string WeeklyLabel(int weekday) { return std::string("每周") + lunar::WeekdayName(weekday); }

std::string DayEditorCaption() { return std::string("输入记事 - ") + kAppTitle; }

CustomColourTable DayEditorColours(std::uint32_t oneOffWord, std::uint32_t gregorianWord, std::uint32_t lunarWord) {
    CustomColourTable table = WhiteTable();
    table[0] = notes::NoteColour(oneOffWord, notes::NoteKind::OneOff);
    table[1] = notes::NoteColour(gregorianWord, notes::NoteKind::GregorianYearly);
    table[2] = notes::NoteColour(lunarWord, notes::NoteKind::LunarYearly);
    return table;
}

CustomColourTable WeeklyEditorColours(std::uint32_t weeklyWord) {
    CustomColourTable table = WhiteTable();
    table[0] = notes::NoteColour(weeklyWord, notes::NoteKind::Weekly);
    return table;
}

std::uint32_t ChosenColourWord(std::uint32_t colour) { return (colour & 0xFFFFFF) | notes::CustomColourBit; }

}  // namespace view
