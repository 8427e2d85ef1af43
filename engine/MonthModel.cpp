#include "MonthModel.h"

#include "SolarTerms.h"

#include <cstring>

namespace lunar {

bool IsShownMonth(int year, int month) {
    if (month < 1 || month > 12) return false;
    const int index = year * 12 + month;
    return index >= kFirstShownYear * 12 + kFirstShownMonth && index <= kLastShownYear * 12 + kLastShownMonth;
}

bool FillMonth(std::uint16_t y, std::uint16_t m, MonthModel& model) {
    model = MonthModel{};
    const std::uint16_t count = GregorianMonthLength(y, m);
    LunarDate lunar;
    if (count == 0 || !IsConvertible(y, m, count) || !lunar.FromGregorian(y, m, 1)) return false;
    SolarTermTime first, second;
    if (!GetSolarTerms(static_cast<std::int16_t>(y), static_cast<std::int16_t>(m), first, second)) return false;

    model.year = y;
    model.month = m;
    model.dayCount = count;
    int weekday = Weekday(y, m, 1);
    for (std::uint16_t i = 1; i <= count; ++i, weekday = (weekday + 1) % 7) {
        DayCell& cell = model.days[i];
        cell.weekday = static_cast<std::uint16_t>(weekday);
        cell.lunar = lunar;
        lunar.NextDay();
        cell.festival = DayFestival(cell.lunar, m, i);
    }
    // Term days are 3..24, always inside the month.
    model.days[first.day].termMark = 1;
    model.days[second.day].termMark = 2;

    for (std::uint16_t i = 1; i <= count; ++i) {
        DayCell& cell = model.days[i];
        const DayLabelResult label = DayLabel(cell.festival, cell.termMark, m, cell.lunar);
        static_assert(sizeof(cell.label) == LabelText::capacity() + 1);
        std::memcpy(cell.label, label.label.c_str(), label.label.size() + 1);
        cell.monthNameShown = label.monthNameShown ? 1 : 0;
    }

    const DayCell& firstDay = model.days[1];
    const DayCell& lastDay = model.days[count];
    model.firstLunarMonth = firstDay.lunar.month;
    model.lastLunarMonth = lastDay.lunar.month;
    for (std::uint16_t i = 2; i < count; ++i) {
        const int month = model.days[i].lunar.month;
        if (month != model.firstLunarMonth && month != model.lastLunarMonth) {
            model.middleLunarMonth = month;
            break;
        }
    }
    model.yearTitle = YearTitle(firstDay.lunar.year, lastDay.lunar.year);
    return true;
}

}  // namespace lunar
