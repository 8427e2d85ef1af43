#include "SolarTerms.h"

namespace lunar {
namespace {

constexpr int kTableYears = kLastSolarTermYear - kFirstSolarTermYear + 1;

// Day, hour, minute of both terms of every month: 6 bytes a month, 72 a year.
constexpr std::uint8_t kSolarTermTable[kTableYears * 72] = {
#include "solar_term_table.inc"
};

constexpr bool DaysInRange() {
    for (int i = 0; i < kTableYears * 72; i += 3)
        if (kSolarTermTable[i] < 3 || kSolarTermTable[i] > 24 || kSolarTermTable[i + 1] > 23 ||
            kSolarTermTable[i + 2] > 60)
            return false;
    return true;
}
static_assert(DaysInRange(), "every term falls on day 3..24 at a valid time");

constexpr const char* kTermNames[12][2] = {
    {"小寒", "大寒"}, {"立春", "雨水"}, {"惊蛰", "春分"}, {"清明", "谷雨"}, {"立夏", "小满"}, {"芒种", "夏至"},
    {"小暑", "大暑"}, {"立秋", "处暑"}, {"白露", "秋分"}, {"寒露", "霜降"}, {"立冬", "小雪"}, {"大雪", "冬至"},
};

}  // namespace

bool GetSolarTerms(std::int16_t year, std::int16_t month, SolarTermTime& first, SolarTermTime& second) {
    first = second = SolarTermTime{};
    if (year < kFirstSolarTermYear || year > kLastSolarTermYear || month < 1 || month > 12) return false;
    const std::uint8_t* row = kSolarTermTable + ((year - kFirstSolarTermYear) * 12 + (month - 1)) * 6;
    first = {row[0], row[1], row[2]};
    second = {row[3], row[4], row[5]};
    return true;
}

const char* SolarTermName(int month, int position) {
    if (month < 1 || month > 12 || position < 1 || position > 2) return "";
    return kTermNames[month - 1][position - 1];
}

}  // namespace lunar
