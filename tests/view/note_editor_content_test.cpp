// What the note editors show besides the notes: a leap-month day named like
// its regular month, and the colours the chooser offers.
#include "view/NoteEditorContent.h"

#include "tests/notes/scratch_dir.h"

#include <gtest/gtest.h>

namespace {

TEST(NoteEditorContent, LeapMonthDayLabelsAndOfferedColours) {
    const notes_test::ScratchDir scratch;
    view::MonthViewState state;
    ASSERT_TRUE(state.SetMonth(2023, 3, 0));  // the 22nd is the first day of the leap second month
    EXPECT_EQ(view::DayEditorDateLabel(state, 22), "2023年3月22日星期三农历二月初一");
    EXPECT_EQ(view::LunarYearlyLabel(state.days[22].lunar), "农历每年二月初一");

    const std::uint32_t chosen = view::ChosenColourWord(view::Rgb(1, 2, 3));
    view::CustomColourTable offered;
    offered.fill(view::Rgb(255, 255, 255));
    offered[0] = view::Rgb(135, 206, 250), offered[1] = view::Rgb(1, 2, 3), offered[2] = view::Rgb(128, 0, 255);
    EXPECT_EQ(view::DayEditorColours(view::Rgb(1, 2, 3), chosen, 0), offered) << "only a chosen colour counts";
    offered[0] = view::Rgb(255, 0, 0), offered[1] = offered[2] = view::Rgb(255, 255, 255);
    EXPECT_EQ(view::WeeklyEditorColours(0), offered);
}

}  // namespace
