// Stem-branch (ganzhi) and zodiac names of lunar years, and the year title
// shown under the month grid. GBK text.
#pragma once

#include "FixedText.h"

namespace lunar {

using GanZhiText = FixedText<8>;      // two characters
using ZodiacText = FixedText<4>;      // one character
using YearTitleText = FixedText<32>;  // longest: two years, 26 bytes

// Cycle index n (lunar year - 1864, 1864 being the first year of the cycle):
// stem n mod 10 followed by branch n mod 12.
GanZhiText GanZhiName(int n);

// The animal of a lunar year: character (year - 4) mod 12 of the zodiac string.
ZodiacText ZodiacName(short year);

// "庚子【鼠】年", with "－…【…】年" for a second year when last differs from first.
YearTitleText YearTitle(int first, int last);

}  // namespace lunar
