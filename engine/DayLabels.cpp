#include "DayLabels.h"

#include "SolarTerms.h"

namespace lunar {
namespace {

// Months 1..10 as one string indexed by character, so month 0 yields nothing.
constexpr char kMonthChars[] = "正二三四五六七八九十";
constexpr char kDayPrefixes[] = "初十廿三";
constexpr char kDigits[] = "一二三四五六七八九十";
static_assert(sizeof(kMonthChars) == 21 && sizeof(kDayPrefixes) == 9 && sizeof(kDigits) == 21);

constexpr const char* kWeekdayNames[8] = {"日", "一", "二", "三", "四", "五", "六", "日"};

struct SolarFestivalRecord {
    std::int32_t month;
    std::int32_t day;
    const char* name;
};

// Searched in order; the record with month 0 ends the table.
constexpr SolarFestivalRecord kSolarFestivals[] = {
    {1, 1, "元旦"}, {5, 1, "劳动节"}, {6, 1, "儿童节"}, {10, 1, "国庆"}, {0, 0, nullptr},
};

}  // namespace

const char* LunarFestival(const LunarDate& d) {
    if (d.month == 12 && d.day == d.monthLength) {
        // With a leap twelfth month, the eve is the leap month's last day.
        return (d.pairedMonth == 0 || d.isLeap == 1) ? "除夕" : nullptr;
    }
    if (d.isLeap == 1) return nullptr;
    switch (d.month * 100 + d.day) {
        case 101: return "春节";
        case 102: return "初二";
        case 103: return "初三";
        case 115: return "元宵节";
        case 505: return "端午";
        case 707: return "七夕节";
        case 815: return "中秋";
        case 909: return "重阳节";
        default: return nullptr;
    }
}

const char* SolarFestival(std::int32_t month, std::int32_t day) {
    for (const SolarFestivalRecord* r = kSolarFestivals; r->month != 0; ++r)
        if (r->month == month && r->day == day) return r->name;
    return nullptr;
}

const char* DayFestival(const LunarDate& d, std::int32_t gregorianMonth, std::int32_t gregorianDay) {
    const char* festival = LunarFestival(d);
    return festival ? festival : SolarFestival(gregorianMonth, gregorianDay);
}

MonthNameText LunarMonthName(std::uint16_t month, std::uint8_t leap) {
    MonthNameText name;
    if (leap) name.Append("闰");
    if (month >= 1 && month <= 10)
        name.AppendBytes(kMonthChars + 2 * (month - 1), 2);
    else if (month == 11)
        name.Append("十一");
    else if (month > 11)
        name.Append("十二");
    return name;
}

DayNameText LunarDayName(std::uint16_t day) {
    DayNameText name;
    if (day == 20 || day == 30) {
        name.AppendBytes(kDigits + 2 * (day / 10 - 1), 2).Append("十");
        return name;
    }
    // Days outside 1..30 are clamped so the table lookups stay inside.
    const int d = (day < 1) ? 1 : (day > 30 ? 30 : day);
    name.AppendBytes(kDayPrefixes + 2 * ((d - 1) / 10), 2).AppendBytes(kDigits + 2 * ((d - 1) % 10), 2);
    return name;
}

const char* WeekdayName(int index) { return (index >= 0 && index <= 7) ? kWeekdayNames[index] : ""; }

DayLabelResult DayLabel(const char* festival, int termMark, int gregorianMonth, const LunarDate& d) {
    DayLabelResult result;
    if (festival) {
        result.label.Append(festival);
    } else if (termMark == 1 || termMark == 2) {
        result.label.Append(SolarTermName(gregorianMonth, termMark));
    } else if (d.day != 1) {
        result.label.Append(LunarDayName(static_cast<std::uint16_t>(d.day)));
    } else {
        result.label.Append(LunarMonthName(static_cast<std::uint16_t>(d.month), d.isLeap))
            .Append("月")
            .Append(d.monthLength == 30 ? "大" : "小");
        result.monthNameShown = true;
    }
    return result;
}

}  // namespace lunar
