#include "LunarDate.h"

#include <array>

namespace lunar {
namespace {

// One entry per lunar year 1900..2050:
//   bits 0-3   leap month number (0 = none), the leap month follows that regular month
//   bits 4-15  regular month lengths, month m at bit (16 - m); set = 30 days
//   bit 16     leap month length; set = 30 days
// The rows for 1933 and 2033 differ from the published standard and are kept as they are.
constexpr std::array<std::uint32_t, 151> kYearTable = {
    0x04BD8, 0x04AE0, 0x0A570, 0x054D5, 0x0D260, 0x0D950, 0x16554, 0x056A0, 0x09AD0, 0x055D2,  // 1900
    0x04AE0, 0x0A5B6, 0x0A4D0, 0x0D250, 0x1D255, 0x0B540, 0x0D6A0, 0x0ADA2, 0x095B0, 0x14977,  // 1910
    0x04970, 0x0A4B0, 0x0B4B5, 0x06A50, 0x06D40, 0x1AB54, 0x02B60, 0x09570, 0x052F2, 0x04970,  // 1920
    0x06566, 0x0D4A0, 0x0EA50, 0x06E95, 0x05AD0, 0x02B60, 0x186E3, 0x092E0, 0x1C8D7, 0x0C950,  // 1930
    0x0D4A0, 0x1D8A6, 0x0B550, 0x056A0, 0x1A5B4, 0x025D0, 0x092D0, 0x0D2B2, 0x0A950, 0x0B557,  // 1940
    0x06CA0, 0x0B550, 0x15355, 0x04DA0, 0x0A5B0, 0x14573, 0x052B0, 0x0A9A8, 0x0E950, 0x06AA0,  // 1950
    0x0AEA6, 0x0AB50, 0x04B60, 0x0AAE4, 0x0A570, 0x05260, 0x0F263, 0x0D950, 0x05B57, 0x056A0,  // 1960
    0x096D0, 0x04DD5, 0x04AD0, 0x0A4D0, 0x0D4D4, 0x0D250, 0x0D558, 0x0B540, 0x0B6A0, 0x195A6,  // 1970
    0x095B0, 0x049B0, 0x0A974, 0x0A4B0, 0x0B27A, 0x06A50, 0x06D40, 0x0AF46, 0x0AB60, 0x09570,  // 1980
    0x04AF5, 0x04970, 0x064B0, 0x074A3, 0x0EA50, 0x06B58, 0x05AC0, 0x0AB60, 0x096D5, 0x092E0,  // 1990
    0x0C960, 0x0D954, 0x0D4A0, 0x0DA50, 0x07552, 0x056A0, 0x0ABB7, 0x025D0, 0x092D0, 0x0CAB5,  // 2000
    0x0A950, 0x0B4A0, 0x0BAA4, 0x0AD50, 0x055D9, 0x04BA0, 0x0A5B0, 0x15176, 0x052B0, 0x0A930,  // 2010
    0x07954, 0x06AA0, 0x0AD50, 0x05B52, 0x04B60, 0x0A6E6, 0x0A4E0, 0x0D260, 0x0EA65, 0x0D530,  // 2020
    0x05AA0, 0x076A3, 0x096D0, 0x04BD7, 0x04AD0, 0x0A4D0, 0x1D0B6, 0x0D250, 0x0D520, 0x0DD45,  // 2030
    0x0B5A0, 0x056D0, 0x055B2, 0x049B0, 0x0A577, 0x0A4B0, 0x0AA50, 0x1B255, 0x06D20, 0x0ADA0,  // 2040
    0x14B63,                                                                                   // 2050
};
static_assert(kYearTable.size() == kLastLunarYear - kFirstLunarYear + 1);

constexpr std::uint32_t YearEntry(int year) {
    return (year >= kFirstLunarYear && year <= kLastLunarYear) ? kYearTable[year - kFirstLunarYear] : 0;
}

constexpr int LeapMonthOf(int year) { return static_cast<int>(YearEntry(year) & 0xF); }

constexpr int MonthLengthOf(int year, int month) {
    // month 1..12 reads bits 15..4; anything else would shift outside the entry.
    if (month < 1 || month > 12) return 29;
    return (YearEntry(year) & (0x10000u >> month)) ? 30 : 29;
}

constexpr int LeapLengthOf(int year) {
    if (LeapMonthOf(year) == 0) return 0;
    return (YearEntry(year) & 0x10000u) ? 30 : 29;
}

constexpr int YearLengthOf(int year) {
    int days = 348;  // twelve 29-day months
    for (std::uint32_t bit = 0x8000; bit > 0x8; bit >>= 1) days += (YearEntry(year) & bit) ? 1 : 0;
    return days + LeapLengthOf(year);
}

// Every table entry is well formed: leap months 2..10 only, and bit 16 never
// set without a leap month.
constexpr bool TableIsWellFormed() {
    for (int y = kFirstLunarYear; y <= kLastLunarYear; ++y) {
        std::uint32_t e = YearEntry(y);
        int leap = static_cast<int>(e & 0xF);
        if (e >> 17) return false;
        if (leap == 1 || leap > 10) return false;
        if (leap == 0 && (e & 0x10000u)) return false;
        int len = YearLengthOf(y);
        if (len < 353 || len > 385) return false;
    }
    return true;
}
static_assert(TableIsWellFormed());

constexpr int kDaysBeforeMonth[13] = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
constexpr int kWeekdayOffset[13] = {0, 0, 3, 3, 6, 1, 4, 6, 2, 5, 0, 3, 5};

constexpr bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

// Day number of a Gregorian date counted from 1 January of year 1 (= 1).
// Years 1..9999 keep every term well inside int range (< 3.7 million).
constexpr int DayNumber(int y, int m, int d) {
    int a = y - 1;
    return 365 * a + a / 4 - a / 100 + a / 400 + kDaysBeforeMonth[m] + d + ((IsLeap(y) && m > 2) ? 1 : 0);
}

constexpr int kBaseDayNumber = DayNumber(1900, 1, 31);

// Where each lunar year and each of its months begins, in days from
// 1900-01-31. Built at compile time from the year table, so a conversion is
// two short table searches instead of a walk over up to 150 years.
struct YearLayout {
    std::int32_t newYear = 0;               // day of lunar 1st month, day 1
    std::uint8_t monthCount = 0;            // 12, or 13 with a leap month
    std::array<std::uint16_t, 14> start{};  // start[k]: offset of the k-th month; start[monthCount] = year length
};

constexpr int kLayoutCount = kLastLunarYear - kFirstLunarYear + 1;

constexpr std::array<YearLayout, kLayoutCount> MakeLayouts() {
    std::array<YearLayout, kLayoutCount> layouts{};
    std::int32_t newYear = 0;
    for (int i = 0; i < kLayoutCount; ++i) {
        int year = kFirstLunarYear + i;
        int leap = LeapMonthOf(year);
        YearLayout& l = layouts[i];
        l.newYear = newYear;
        std::uint16_t offset = 0;
        int k = 0;
        for (int m = 1; m <= 12; ++m) {
            l.start[k++] = offset;
            offset = static_cast<std::uint16_t>(offset + MonthLengthOf(year, m));
            if (m == leap) {
                l.start[k++] = offset;
                offset = static_cast<std::uint16_t>(offset + LeapLengthOf(year));
            }
        }
        l.monthCount = static_cast<std::uint8_t>(k);
        l.start[k] = offset;
        newYear += offset;
    }
    return layouts;
}

constexpr std::array<YearLayout, kLayoutCount> kLayouts = MakeLayouts();

static_assert(kLayouts[124].newYear == DayNumber(2024, 2, 10) - kBaseDayNumber, "2024 new year is 2024-02-10");
static_assert(kLayouts[150].newYear == DayNumber(2050, 1, 23) - kBaseDayNumber, "2050 new year is 2050-01-23");
static_assert(kLayouts[150].newYear + kLayouts[150].start[kLayouts[150].monthCount] - 1 == kLastConvertibleDays);
static_assert(kLastConvertibleDays == DayNumber(2051, 2, 10) - kBaseDayNumber);

}  // namespace

int LeapMonth(int year) { return LeapMonthOf(year); }
int LunarMonthLength(int year, int month) { return MonthLengthOf(year, month); }
int LeapMonthLength(int year) { return LeapLengthOf(year); }
int LunarYearLength(int year) { return YearLengthOf(year); }

bool IsLeapYear(std::int16_t year) { return IsLeap(year); }

std::uint16_t GregorianMonthLength(std::uint16_t year, std::uint16_t month) {
    switch (month) {
        case 1:
        case 3:
        case 5:
        case 7:
        case 8:
        case 10:
        case 12: return 31;
        case 4:
        case 6:
        case 9:
        case 11: return 30;
        case 2: return IsLeap(static_cast<std::int16_t>(year)) ? 29 : 28;
        default: return 0;
    }
}

int DaysBetween(int y1, int m1, int d1, int y2, int m2, int d2) {
    if (m1 < 1 || m1 > 12 || m2 < 1 || m2 > 12) return 0;
    return DayNumber(y1, m1, d1) - DayNumber(y2, m2, d2);
}

int Weekday(std::uint16_t year, std::uint16_t month, std::uint16_t day) {
    if (month < 1 || month > 12) return 0;
    // Day 1 of year 1 counts as a Monday. The weekdays repeat every 400
    // years, so counting from 400 years earlier keeps every term non-negative
    // for year 0 too, where truncating division of year - 1 would be a day off.
    int a = year + 400 - 1;
    int s = a % 7 + a / 4 - a / 100 + a / 400 + kWeekdayOffset[month] + day + ((IsLeap(year) && month > 2) ? 1 : 0);
    return s % 7;
}

bool IsConvertible(int year, int month, int day) {
    if (year < 1900 || year > 2051 || month < 1 || month > 12) return false;
    if (day < 1 || day > GregorianMonthLength(static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month)))
        return false;
    int days = DayNumber(year, month, day) - kBaseDayNumber;
    return days >= kFirstConvertibleDays && days <= kLastConvertibleDays;
}

bool LunarDate::FromGregorian(int y, int m, int d) {
    *this = LunarDate{};
    if (!IsConvertible(y, m, d)) return false;
    const int days = DayNumber(y, m, d) - kBaseDayNumber;  // 0..55125

    // Lunar years average 365.25 days: the estimate is at most one year off.
    int index = days * 4 / 1461;  // 0..150
    if (index >= kLayoutCount) index = kLayoutCount - 1;
    while (index > 0 && kLayouts[index].newYear > days) --index;
    while (index + 1 < kLayoutCount && kLayouts[index + 1].newYear <= days) ++index;
    const YearLayout& layout = kLayouts[index];
    const int offset = days - layout.newYear;  // 0..384

    // Months average 29.5 days: start near the right one and correct.
    int k = offset * 2 / 59;  // 0..13
    if (k >= layout.monthCount) k = layout.monthCount - 1;
    while (k > 0 && layout.start[k] > offset) --k;
    while (k + 1 < layout.monthCount && layout.start[k + 1] <= offset) ++k;

    // The k-th month of the year in order 1, 2, ..., leap, leap (the leap month), leap + 1, ..., 12.
    year = kFirstLunarYear + index;
    const int leap = LeapMonthOf(year);
    if (leap == 0 || k < leap) {
        month = k + 1;
    } else if (k == leap) {
        month = leap;
        isLeap = 1;
    } else {
        month = k;
    }
    pairedMonth = (month == leap) ? 1 : 0;
    monthLength = layout.start[k + 1] - layout.start[k];
    day = offset - layout.start[k] + 1;
    elapsed = day - 1;
    return true;
}

void LunarDate::NextDay() {
    ++elapsed;
    if (day < monthLength) {
        ++day;
        return;
    }
    if (pairedMonth == 1 && isLeap == 0) {
        isLeap = 1;  // the leap month of the same number follows
    } else {
        isLeap = 0;
        if (++month > 12) {
            month = 1;
            ++year;
        }
        pairedMonth = (LeapMonthOf(year) == month) ? 1 : 0;
    }
    monthLength = isLeap ? LeapLengthOf(year) : MonthLengthOf(year, month);
    day = 1;
}

}  // namespace lunar
