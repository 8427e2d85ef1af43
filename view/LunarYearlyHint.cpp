#include "view/LunarYearlyHint.h"

#include "engine/DayLabels.h"

#include <cstdio>

namespace view {

namespace {

constexpr int kLongestMonth = 30;

// How often the grid shows the note of lunar month `month`, day `day` in
// `year`: once in the month of that number and once in its leap twin, each
// when it has the day.
int Showings(int year, int month, int day) {
    int count = day <= lunar::LunarMonthLength(year, month) ? 1 : 0;
    if (lunar::LeapMonth(year) == month && day <= lunar::LeapMonthLength(year)) ++count;
    return count;
}

}  // namespace

LunarYearlyHint LunarYearlyHintFor(const lunar::LunarDate& date) {
    using Kind = LunarYearlyHint::Kind;
    if (date.month < 1) return {};
    if (Showings(date.year, date.month, date.day) == 2) return {Kind::ShowsTwice, date.month, date.year};
    if (date.day != kLongestMonth) return {};
    int next = date.year + 1;
    while (next <= lunar::kLastLunarYear && Showings(next, date.month, date.day) == 0) ++next;
    return {Kind::SkipsShortMonths, date.month, next <= lunar::kLastLunarYear ? next : 0};
}

std::string LunarYearlyHintText(const LunarYearlyHint& hint) {
    char text[96] = "";
    switch (hint.kind) {
        case LunarYearlyHint::Kind::None: break;
        case LunarYearlyHint::Kind::ShowsTwice:
            std::snprintf(text, sizeof text, "%d年有%s月，此记事显示两次", hint.year,
                          lunar::LunarMonthName(static_cast<std::uint16_t>(hint.month), 1).c_str());
            break;
        case LunarYearlyHint::Kind::SkipsShortMonths:
            if (hint.year != 0)
                std::snprintf(text, sizeof text, "农历三十：小月的年份不显示（下次显示：%d年）", hint.year);
            else
                std::snprintf(text, sizeof text, "农历三十：小月的年份不显示");
            break;
    }
    return text;
}

}  // namespace view
