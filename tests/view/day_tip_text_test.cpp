// The day tip's text: the solar term's time on a term day, then the notes.
#include "view/DayTipText.h"

#include "tests/notes/scratch_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(SolarTermTipLine, TermDaysCarryTheTermAndItsTime) {
    // 2024-04-19 is stored as 21:60, 1923-02-19 as 23:60 (it stays on its day).
    const struct {
        int y, m, d;
        const char* want;
    } rows[] = {{2026, 12, 7, "大雪 12月7日 10:52"}, {2024, 4, 19, "谷雨 4月19日 22:00"},
                {1923, 2, 19, "雨水 2月19日 23:59"}, {1923, 2, 5, "立春 2月5日 04:00"},
                {2026, 12, 8, ""},                   {2055, 1, 5, ""}};
    for (const auto& r : rows) EXPECT_EQ(view::SolarTermTipLine(r.y, r.m, r.d), r.want) << r.m << '-' << r.d;
}

TEST(DayTipText, TheTermLineComesFirstAndShowsWithoutNotes) {
    notes_test::ScratchDir scratch;
    notes_test::MakeNoteFolders();
    view::MonthViewState state;
    ASSERT_TRUE(state.SetMonth(2026, 12, 1));
    ASSERT_EQ(state.dayNotes.Set(7, "note", 4, 0), 0);
    ASSERT_EQ(state.dayNotes.Set(9, "plain", 5, 0), 0);
    const auto text = [&](int day) {
        std::size_t length = 99;
        const auto t = view::DayTipText(state, day, length);
        return t ? std::string(t.get(), length) : "<none " + std::to_string(length) + ">";
    };
    EXPECT_EQ(text(7), "大雪 12月7日 10:52\r\nnote");
    EXPECT_EQ(text(22), "冬至 12月22日 04:50");
    EXPECT_EQ(text(9) + text(10) + text(40), "plain<none 0><none 0>");
}

}  // namespace
