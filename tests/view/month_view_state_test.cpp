// The month view's state: showing a month, its note stores, the notes of a
// day, saving edited notes, and the colours the days are drawn in.
#include "view/MonthViewState.h"

#include "tests/notes/scratch_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Text(const notes::NoteSlot& slot) { return slot.Text() ? std::string(slot.Text(), slot.Length()) : ""; }

std::string StoredText(int year, int month, int slot) {
    notes::CNoteStore store;
    static_cast<void>(store.Open(year, month));
    return Text(store.Slot(slot));
}

class MonthViewStateTest : public ::testing::Test {
protected:
    void SetUp() override { notes_test::MakeNoteFolders(); }
    void Show(int y, int m, int mark = 0) { ASSERT_TRUE(state.SetMonth(y, m, mark)) << y << '-' << m; }
    std::string DayText(int day) {
        std::size_t length = 99;
        const auto text = state.DayNotesText(day, length);
        return text ? std::string(text.get(), length) : "<none " + std::to_string(length) + ">";
    }

    notes_test::ScratchDir scratch;
    view::MonthViewState state;
};

TEST_F(MonthViewStateTest, SetMonthMarksAndKeysItsStores) {
    Show(2024, 2, 10);
    EXPECT_EQ(state.yearTitle, "癸卯【兔】年－甲辰【龙】年");
    EXPECT_TRUE(state.MarkedMonthShown());
    std::string leaves;  // the file names after "日历" and the separator
    for (const notes::CNoteStore* store : {&state.dayNotes, &state.gregorianYearlyNotes, &state.lunarYearlyNotesFirst,
                                           &state.lunarYearlyNotesLast, &state.weeklyNotes})
        leaves += std::string(store->FileName()).substr(5) + ' ';
    EXPECT_EQ(leaves, "202402 102 012 001 week ");
    Show(2024, 3);
    EXPECT_FALSE(state.MarkedMonthShown());
    Show(2023, 3);
    EXPECT_STREQ(state.lunarYearlyNotesLast.FileName(), state.lunarYearlyNotesFirst.FileName());
    Show(2024, 2, 31);
    for (const int refused : {190001, 205001, 202400, 202413})
        EXPECT_FALSE(state.SetMonth(refused / 100, refused % 100, 1));
    EXPECT_EQ(state.year * 100 + state.month, 202402);
    EXPECT_EQ(state.markMonth * 100 + state.markDay, 229);
}

TEST_F(MonthViewStateTest, TheTodayButtonNeedsATodayToGoBackTo) {
    const struct {
        int markYear, markMonth, markDay;  // all 0: the clock lies outside the range
        int year, month;
        bool wanted;
    } cases[] = {
        {2024, 2, 10, 2024, 2, false},
        {2024, 2, 10, 2024, 3, true},
        {2024, 2, 10, 2023, 2, true},
        {0, 0, 0, 1900, 2, false},
        {0, 0, 0, 2049, 12, false},
        {0, 0, 0, 2020, 6, false},
    };
    for (const auto& c : cases) {
        state.markYear = c.markYear, state.markMonth = c.markMonth, state.markDay = c.markDay;
        Show(c.year, c.month);
        EXPECT_EQ(state.TodayButtonWanted(), c.wanted) << c.markYear << ' ' << c.year << '-' << c.month;
    }
}

TEST_F(MonthViewStateTest, EachDayUsesItsOwnLunarMonthsStore) {
    Show(2000, 7);                                                            // lunar 5/30, 6/1 .. 6/29, 7/1
    const int cases[][3] = {{1, 5, 30}, {2, 6, 1}, {30, 6, 29}, {31, 7, 1}};  // day, lunar month, lunar day
    for (const auto& c : cases) ASSERT_EQ(state.SetLunarYearly(c[0], std::to_string(100 + c[0]).c_str(), 3, 0), 0);
    for (const auto& c : cases) {
        EXPECT_EQ(StoredText(0, c[1], c[2]), std::to_string(100 + c[0]));
        EXPECT_EQ(Text(state.LunarYearlySlot(c[0])), std::to_string(100 + c[0]));
    }
    Show(2023, 3);                                         // a leap month shares the notes of the regular one
    ASSERT_EQ(state.SetLunarYearly(22, "leap", 4, 0), 0);  // leap 2/1
    Show(2023, 2);
    EXPECT_EQ(Text(state.LunarYearlySlot(20)), "leap");  // regular 2/1
    EXPECT_EQ(state.lunarYearlyNotesMiddle.MaxSlot(), -1) << "nothing left of July 2000";
}

TEST_F(MonthViewStateTest, DayNotesTextJoinsWhatTheDayCarries) {
    Show(2024, 2);
    EXPECT_EQ(DayText(5), "<none 0>");
    ASSERT_EQ(state.weeklyNotes.Set(1, "mon", 3, 0), 0);  // the 5th is a Monday
    EXPECT_EQ(DayText(5), "mon");
    ASSERT_EQ(state.dayNotes.Set(5, "once", 4, 0), 0);
    ASSERT_EQ(state.gregorianYearlyNotes.Set(5, "", 0, notes::CustomColourBit), 0);  // colour only
    ASSERT_EQ(state.SetLunarYearly(5, "lunar", 5, 0), 0);
    EXPECT_EQ(DayText(5), "mon\r\nonce\r\nlunar");
    // Four of the longest notes need more than 16 bits of length.
    const std::string longest(notes::kMaxNoteLength, 'x');
    ASSERT_EQ(state.weeklyNotes.Set(2, longest.data(), longest.size(), 0), 0);  // the 6th is a Tuesday
    state.activeDay = 6;
    ASSERT_EQ(state.ApplyDayNotes(longest, 0, longest, 0, longest, 0), 0);
    EXPECT_EQ(DayText(6).size(), 4 * notes::kMaxNoteLength + 6);
}

TEST_F(MonthViewStateTest, ApplyTrimsLeadingBlanksAndReportsFailedSaves) {
    Show(2024, 2);
    state.activeDay = 10;  // lunar 1/1
    ASSERT_EQ(state.ApplyDayNotes("  a ", 0, "b", 0, "   ", 0), 0);
    EXPECT_EQ(Text(state.dayNotes.Slot(10)) + Text(state.LunarYearlySlot(10)), "a ");
    // A folder standing where the month's file goes: that save fails, the
    // other two are made, and the typed text stays in memory.
    ASSERT_EQ(notes::RemoveFile(notes_test::PathOf("日历", "202402").c_str()), 0);
    for (const char* step : {"日历", "202402", "..", ".."}) ASSERT_EQ(notes::EnsureDir(step), 0);
    EXPECT_EQ(state.ApplyDayNotes("new", 0, "c", 0, "d", 0), -1);
    EXPECT_EQ(Text(state.dayNotes.Slot(10)) + StoredText(1, 2, 10) + StoredText(0, 1, 1), "newcd");

    state.activeDay = 0;
    EXPECT_EQ(state.ApplyDayNotes("x", 0, "x", 0, "x", 0), -1);
    EXPECT_EQ(state.ApplyWeeklyNote("w", 0), -1) << "no column chosen";
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
    // 10th festival Saturday, 4th term Sunday, 19th term, 18th Sunday with a weekly note
    const std::pair<int, std::uint32_t> cases[] = {
        {10, view::festivalColor}, {4, view::solarTermColor}, {19, view::solarTermColor},
        {17, view::saturdayColor}, {18, view::festivalColor}, {5, view::plainDayColor},
        {12, view::plainDayColor}, {3, view::plainDayColor},  {24, view::plainDayColor}};
    for (const auto& [day, colour] : cases) EXPECT_EQ(state.DayTextColour(day), colour) << day;
    EXPECT_EQ(state.HeaderNameColour(6), view::markColor);
}

}  // namespace

namespace {

TEST_F(MonthViewStateTest, AYearWithoutAScheduleSaysSo) {
    Show(2026, 12);
    EXPECT_EQ(state.ScheduleNote(), "");
    Show(2027, 1);
    EXPECT_EQ(state.ScheduleNote(), "2027年调休未公布");
    state.holidays.SetNotice(lunar::ScheduleSource::Fetched, 2027, {{20270101, lunar::DayOffMark::Off}});
    EXPECT_EQ(state.ScheduleNote(), "");
}

}  // namespace
