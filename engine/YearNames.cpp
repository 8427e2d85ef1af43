#include "YearNames.h"

namespace lunar {
namespace {

constexpr const char* kStems[10] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
constexpr const char* kBranches[12] = {"子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};
constexpr char kZodiac[] = "鼠牛虎兔龙蛇马羊猴鸡狗猪";
static_assert(sizeof(kZodiac) == 25, "twelve two-byte characters and a NUL");

// Mathematical modulo: non-negative for negative n as well.
constexpr int Mod(int n, int m) { return ((n % m) + m) % m; }

}  // namespace

GanZhiText GanZhiName(int n) {
    GanZhiText text;
    text.Append(kStems[Mod(n, 10)]).Append(kBranches[Mod(n, 12)]);
    return text;
}

ZodiacText ZodiacName(short year) {
    ZodiacText text;
    text.AppendBytes(kZodiac + 2 * Mod(year - 4, 12), 2);
    return text;
}

YearTitleText YearTitle(int first, int last) {
    YearTitleText title;
    title.Append(GanZhiName(first - 1864)).Append("【").Append(ZodiacName(static_cast<short>(first))).Append("】年");
    if (last != first) {
        title.Append("－").Append(GanZhiName(last - 1864)).Append("【");
        title.Append(ZodiacName(static_cast<short>(last))).Append("】年");
    }
    return title;
}

}  // namespace lunar
