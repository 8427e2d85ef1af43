// What a screen reader hears of the grid: the table, each day and header.
#include "view/DayAccessibleText.h"
#include "view/MonthViewState.h"

#include "tests/notes/scratch_dir.h"

#include <gtest/gtest.h>

namespace {

TEST(DayAccessibleText, DaysCarryDateLunarDateMarksAndNotes) {
    notes_test::ScratchDir scratch;
    notes_test::MakeNoteFolders();
    view::MonthViewState state;
    ASSERT_TRUE(state.SetMonth(2024, 2, 0));
    ASSERT_EQ(state.dayNotes.Set(5, "x", 1, 0) | state.weeklyNotes.Set(1, "w", 1, 0) |
                  state.gregorianYearlyNotes.Set(6, "g", 1, 0) | state.SetLunarYearly(6, "l", 1, 0),
              0);
    const struct {
        int day;
        const char* name;
    } cases[] = {
        {10, "2024年2月10日 星期六 农历正月初一 春节 休"},       // festival, day off
        {4, "2024年2月4日 星期日 农历十二月廿五 立春 班"},        // solar term, make-up working day
        {11, "2024年2月11日 星期日 农历正月初二 休"},            // 初二 said once
        {24, "2024年2月24日 星期六 农历正月十五 元宵节"},
        {5, "2024年2月5日 星期一 农历十二月廿六 有2条记事"},     // one-off and weekly
        {6, "2024年2月6日 星期二 农历十二月廿七 有2条记事"},     // both yearly
        {12, "2024年2月12日 星期一 农历正月初三 休 有1条记事"},
        {28, "2024年2月28日 星期三 农历正月十九"},
        {30, ""},  // no such day
        {0, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(view::DayCellName(state, c.day), c.name) << c.day;

    ASSERT_TRUE(state.SetMonth(2023, 3, 0));
    EXPECT_EQ(view::DayCellName(state, 22), "2023年3月22日 星期三 农历闰二月初一") << "a leap month says so";
    EXPECT_EQ(view::MonthTableName(2026, 12), "2026年12月");
    EXPECT_EQ(view::WeekdayHeaderName(state, 0), "星期日");
    EXPECT_EQ(view::WeekdayHeaderName(state, 1), "星期一 有每周提示");
    EXPECT_STREQ(view::ColourButtonName(notes::NoteKind::OneOff), "一次性记事颜色");
    EXPECT_STREQ(view::ColourButtonName(notes::NoteKind::Weekly), "每周提示颜色");
}

}  // namespace
