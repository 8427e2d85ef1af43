// The line under the day editor's lunar-yearly note: a note kept by lunar
// month and day shows twice in a year whose month has a leap twin, and not
// at all, on day 30, in the years that month is short.
#pragma once

#include "engine/LunarDate.h"

#include <string>

namespace view {

struct LunarYearlyHint {
    enum class Kind { None, ShowsTwice, SkipsShortMonths };
    Kind kind = Kind::None;
    int month = 0;  // the lunar month number
    int year = 0;   // ShowsTwice: the lunar year; SkipsShortMonths: the next year it shows, 0 for none in the table

    friend bool operator==(const LunarYearlyHint&, const LunarYearlyHint&) = default;
};

// What applies to the lunar-yearly note of the day whose lunar date is
// `date`: shown twice in date's year comes first, then day 30.
LunarYearlyHint LunarYearlyHintFor(const lunar::LunarDate& date);

// The line in GBK; empty for Kind::None.
std::string LunarYearlyHintText(const LunarYearlyHint& hint);

}  // namespace view
