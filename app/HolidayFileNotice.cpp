#include "app/HolidayFileNotice.h"

#include <cstdint>
#include <cstdio>

namespace app {
namespace {

const char* ReasonText(lunar::SkipReason reason) {
    switch (reason) {
        case lunar::SkipReason::NotADateLine: return "日期应写成 2027-02-07 这样，后面空一格再写休或班";
        case lunar::SkipReason::YearNotShown: return "年份不在 1900 至 2049 年之间";
        case lunar::SkipReason::NoSuchDate: return "没有这一天";
        case lunar::SkipReason::UnknownMark: return "日期后面应是“休”或“班”";
        case lunar::SkipReason::WeekdayMarkedWork: return "周一至周五不能标“班”";
    }
    return "";
}

}  // namespace

std::string HolidayFileStamp(const std::optional<std::string>& bytes) {
    if (!bytes) return {};
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : *bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return std::to_string(bytes->size()) + " " + std::to_string(hash);
}

HolidayFileNoticePlan PlanHolidayFileNotice(std::string_view stored, std::string_view stamp,
                                            const std::optional<lunar::HolidayUpdateResult>& result) {
    if (stored == stamp) return {};
    const bool faulty = result && (result->badLines > 0 || result->years == 0);
    return {true, faulty};
}

std::string HolidayFileReport(const lunar::HolidayUpdateResult& result) {
    std::string text = "记事文件夹中的“";
    text += lunar::kHolidayUpdateFileName;
    text += "”";
    char line[160];
    if (result.badLines > 0) {
        std::snprintf(line, sizeof line, "有 %d 行没有读入：\n", result.badLines);
        text += line;
        for (const lunar::SkippedLine& skipped : result.firstSkipped) {
            std::snprintf(line, sizeof line, "第 %d 行：%s\n", skipped.line, ReasonText(skipped.reason));
            text += line;
        }
        if (result.badLines > static_cast<int>(result.firstSkipped.size())) text += "……\n";
    } else {
        text += "\n";
    }
    if (result.years == 0) text += "文件中没有读到任何一年的休、班安排。\n";
    text += "每行写一个日期和“休”或“班”，例如：2027-02-06 休";
    return text;
}

}  // namespace app
