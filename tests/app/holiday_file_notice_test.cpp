// What the user is told about the holiday update file, and when.
#include "app/HolidayFileNotice.h"

#include <gtest/gtest.h>

namespace {

using app::HolidayFileNoticePlan;
using lunar::HolidayUpdateResult;
using lunar::SkipReason;

TEST(HolidayFileNotice, ToldOnceWhenTheChangedFileSkippedLinesOrGaveNoYear) {
    const HolidayUpdateResult clean{1, 0, {}}, skipped{1, 2, {{3, SkipReason::NoSuchDate}}}, noYear{0, 0, {}};
    struct Case {
        const char* stored;
        const char* stamp;
        std::optional<HolidayUpdateResult> result;
        HolidayFileNoticePlan want;
    } cases[] = {
        {"", "10 1", skipped, {true, true}},   {"10 1", "10 1", skipped, {false, false}},
        {"10 1", "10 2", noYear, {true, true}}, {"10 1", "10 2", clean, {true, false}},
        {"10 1", "", std::nullopt, {true, false}}, {"", "", std::nullopt, {false, false}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(app::PlanHolidayFileNotice(c.stored, c.stamp, c.result), c.want) << c.stored << '|' << c.stamp;
}

TEST(HolidayFileNotice, StampFollowsSizeAndBytes) {
    EXPECT_EQ(app::HolidayFileStamp(std::nullopt), "");
    EXPECT_EQ(app::HolidayFileStamp(std::string()), "0 14695981039346656037");
    EXPECT_NE(app::HolidayFileStamp(std::string("2027-02-06 a")), app::HolidayFileStamp(std::string("2027-02-06 b")));
}

TEST(HolidayFileNotice, ReportNamesTheLinesAndWhy) {
    const HolidayUpdateResult result{0, 6, {{2, SkipReason::NotADateLine}, {9, SkipReason::WeekdayMarkedWork}}};
    const std::string text = app::HolidayFileReport(result);
    EXPECT_NE(text.find("第 2 行：日期应写成 2027-02-07 这样"), std::string::npos) << text;
    EXPECT_NE(text.find("第 9 行：周一至周五不能标“班”"), std::string::npos) << text;
    EXPECT_NE(text.find("有 6 行没有读入"), std::string::npos) << text;
    EXPECT_NE(text.find("没有读到任何一年"), std::string::npos) << text;
    EXPECT_EQ(app::HolidayFileReport({1, 0, {}}).find("没有读到"), std::string::npos);
}

}  // namespace
