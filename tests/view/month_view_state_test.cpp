// The month view's state: showing a month, its note stores, the notes of a
// day, saving edited notes, and the colours the days are drawn in.
#include "view/MonthViewState.h"

#include "tests/notes/scratch_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using notes_test::PathOf;
using view::MonthViewState;

std::string Text(const notes::NoteSlot& slot) { return slot.Text() ? std::string(slot.Text(), slot.Length()) : ""; }

std::string DayText(const MonthViewState& state, int day) {
    std::size_t length = 99;
    const auto text = state.DayNotesText(day, length);
    EXPECT_EQ(text == nullptr, length == 0);
    return text ? std::string(text.get(), length) : "<none>";
}

// A folder standing where a note file goes makes every save of it fail.
void BlockNoteFile(const char* leaf) {
    ASSERT_EQ(notes::RemoveFile(PathOf("日历", leaf).c_str()), 0);
    for (const char* step : {"日历", leaf, "..", ".."}) ASSERT_EQ(notes::EnsureDir(step), 0) << step;
}

class MonthViewStateTest : public ::testing::Test {
protected:
    void SetUp() override { notes_test::MakeNoteFolders(); }
    void Show(int y, int m, int mark = 0) { ASSERT_TRUE(state.SetMonth(y, m, mark)) << y << '-' << m; }

    notes_test::ScratchDir scratch;
    MonthViewState state;
};

TEST_F(MonthViewStateTest, SetMonthMarksAndKeysItsStores) {
    Show(2024, 2, 10);
    EXPECT_EQ(state.dayCount, 29);
    EXPECT_EQ(state.days[1].weekday, 4);
    EXPECT_EQ(state.yearTitle, "癸卯【兔】年－甲辰【龙】年");
    EXPECT_TRUE(state.MarkedMonthShown());
    EXPECT_EQ(state.dayNotes.FileName(), PathOf("日历", "202402"));
    EXPECT_EQ(state.gregorianYearlyNotes.FileName(), PathOf("日历", "102"));
    EXPECT_EQ(state.lunarYearlyNotesFirst.FileName(), PathOf("日历", "012"));
    EXPECT_EQ(state.lunarYearlyNotesLast.FileName(), PathOf("日历", "001"));
    EXPECT_EQ(state.weeklyNotes.FileName(), PathOf("日历", "week"));

    Show(2024, 3);
    EXPECT_EQ(state.markDay, 10);
    EXPECT_FALSE(state.MarkedMonthShown());
    Show(2023, 3);
    EXPECT_EQ(state.lunarYearlyNotesFirst.FileName(), PathOf("日历", "002"));
    EXPECT_EQ(state.lunarYearlyNotesLast.FileName(), PathOf("日历", "002"));
    Show(2024, 2, 31);
    EXPECT_EQ(state.markDay, 29);

    const int refused[][2] = {{1900, 1}, {2050, 1}, {1899, 12}, {2024, 0}, {2024, 13}};
    for (const auto& ym : refused) EXPECT_FALSE(state.SetMonth(ym[0], ym[1], 1)) << ym[0] << '-' << ym[1];
    EXPECT_EQ(state.year * 100 + state.month, 202402);
    EXPECT_EQ(state.markYear * 10000 + state.markMonth * 100 + state.markDay, 20240229);
}

TEST_F(MonthViewStateTest, EachDayUsesItsOwnLunarMonthsStore) {
    Show(2000, 7);  // lunar 5/30, then 6/1 .. 6/29, then 7/1
    struct Case {
        int day;
        const char* file;
        int lunarDay;
    };
    const Case cases[] = {{1, "005", 30}, {2, "006", 1}, {30, "006", 29}, {31, "007", 1}};
    for (const Case& c : cases) ASSERT_EQ(state.SetLunarYearly(c.day, c.file, 3, 0), 0) << c.day;
    for (const Case& c : cases) {
        notes::CNoteStore onDisk;
        static_cast<void>(onDisk.Open(0, std::stoi(c.file)));
        EXPECT_EQ(Text(onDisk.Slot(c.lunarDay)), c.file) << c.day;
        EXPECT_EQ(Text(state.LunarYearlySlot(c.day)), c.file) << c.day;
    }
    Show(2000, 6);  // no third lunar month: nothing is left of July's
    EXPECT_EQ(state.lunarYearlyNotesMiddle.MaxSlot(), -1);
}

TEST_F(MonthViewStateTest, LeapMonthSharesTheRegularMonthsNotes) {
    Show(2023, 3);
    ASSERT_EQ(state.SetLunarYearly(22, "leap 1st", 8, 0), 0);  // leap 2/1
    EXPECT_EQ(Text(state.LunarYearlySlot(22)), "leap 1st");
    Show(2023, 2);
    EXPECT_EQ(Text(state.LunarYearlySlot(20)), "leap 1st");  // regular 2/1
    EXPECT_FALSE(state.LunarYearlySlot(21).CarriesNote());
}

TEST_F(MonthViewStateTest, DayNotesTextJoinsWhatTheDayCarries) {
    Show(2024, 2);
    EXPECT_EQ(DayText(state, 5), "<none>");
    ASSERT_EQ(state.weeklyNotes.Set(1, "mon", 3, 0), 0);  // the 5th is a Monday
    EXPECT_EQ(DayText(state, 5), "mon");
    ASSERT_EQ(state.dayNotes.Set(5, "once", 4, 0), 0);
    EXPECT_EQ(DayText(state, 5), "mon\r\nonce");
    ASSERT_EQ(state.gregorianYearlyNotes.Set(5, "", 0, notes::CustomColourBit | 0xFF), 0);  // colour only
    ASSERT_EQ(state.SetLunarYearly(5, "lunar", 5, 0), 0);
    EXPECT_EQ(DayText(state, 5), "mon\r\nonce\r\nlunar");
    EXPECT_EQ(DayText(state, 0), "<none>");

    // Four of the longest notes need more than 16 bits of length.
    const std::string longest(notes::kMaxNoteLength, 'x');
    ASSERT_EQ(state.weeklyNotes.Set(2, longest.data(), longest.size(), 0), 0);  // the 6th is a Tuesday
    state.activeDay = 6;
    ASSERT_EQ(state.ApplyDayNotes(longest, 0, longest, 0, longest, 0), 0);
    std::size_t length = 0;
    EXPECT_NE(state.DayNotesText(6, length), nullptr);
    EXPECT_EQ(length, 4 * notes::kMaxNoteLength + 6);
}

TEST_F(MonthViewStateTest, ApplyDayNotesTrimsLeadingBlanksAndReportsFailures) {
    Show(2024, 2);
    state.activeDay = 10;
    ASSERT_EQ(state.ApplyDayNotes("  a ", 0, "b", 0, "   ", 0), 0);
    EXPECT_EQ(Text(state.dayNotes.Slot(10)), "a ");
    EXPECT_EQ(Text(state.gregorianYearlyNotes.Slot(10)), "b");
    EXPECT_FALSE(state.LunarYearlySlot(10).CarriesNote());

    // A folder where the month's note file goes: that save fails, the other
    // two are still made, and the new text stays in memory.
    BlockNoteFile("202402");
    EXPECT_EQ(state.ApplyDayNotes("new", 0, "c", 0, "d", 0), -1);
    EXPECT_EQ(Text(state.dayNotes.Slot(10)), "new");
    notes::CNoteStore yearly;
    static_cast<void>(yearly.Open(1, 2));
    EXPECT_EQ(Text(yearly.Slot(10)), "c");
    static_cast<void>(yearly.Open(0, 1));
    EXPECT_EQ(Text(yearly.Slot(1)), "d");

    state.activeDay = 0;
    EXPECT_EQ(state.ApplyDayNotes("x", 0, "x", 0, "x", 0), -1);
    EXPECT_EQ(state.ApplyWeeklyNote(" w", 0), -1);  // no column chosen yet
    state.weekdayIndex = 3;
    ASSERT_EQ(state.ApplyWeeklyNote("  w ", 0), 0);
    EXPECT_EQ(Text(state.weeklyNotes.Slot(3)), "w ");
}

TEST_F(MonthViewStateTest, DayTextColours) {
    Show(2024, 2, 10);
    ASSERT_EQ(state.weeklyNotes.Set(0, "sun", 3, 0), 0);
    ASSERT_EQ(state.dayNotes.Set(12, "x", 1, 0), 0);                          // festival Monday
    ASSERT_EQ(state.gregorianYearlyNotes.Set(3, "x", 1, 0), 0);               // Saturday
    ASSERT_EQ(state.SetLunarYearly(24, "x", 1, 0), 0);                        // festival Saturday
    ASSERT_EQ(state.dayNotes.Set(17, "", 0, notes::CustomColourBit | 1), 0);  // Saturday, colour only
    struct Case {
        int day;
        std::uint32_t colour;
    };
    const Case cases[] = {{10, view::festivalColor}, {4, view::solarTermColor}, {19, view::solarTermColor},
                          {17, view::saturdayColor}, {18, view::festivalColor}, {5, view::plainDayColor},
                          {12, view::plainDayColor}, {3, view::plainDayColor},  {24, view::plainDayColor}};
    for (const Case& c : cases) EXPECT_EQ(state.DayTextColour(c.day), c.colour) << c.day;

    EXPECT_EQ(state.HeaderNameColour(6), view::markColor);  // the 10th is a Saturday
    EXPECT_EQ(state.HeaderNameColour(5), view::headerTextColor);
    Show(2024, 3);
    EXPECT_EQ(state.HeaderNameColour(6), view::headerTextColor);
}

}  // namespace
