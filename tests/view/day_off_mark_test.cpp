// Which days of the shown month carry 休 or 班, from the schedule table
// and after an update.
#include "view/MonthViewState.h"

#include "tests/notes/scratch_dir.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

TEST(DayOffMarkOf, ShownDaysFromTheScheduleAndNoneOutsideIt) {
    notes_test::ScratchDir scratch;
    notes_test::MakeNoteFolders();
    view::MonthViewState state;
    ASSERT_TRUE(state.SetMonth(2026, 2, 1));
    using M = lunar::DayOffMark;
    const std::pair<int, M> rows[] = {{14, M::MakeUpWork}, {15, M::Off}, {23, M::Off}, {24, M::None}, {0, M::None},
                                      {29, M::None}};
    for (const auto& [day, want] : rows) EXPECT_EQ(state.DayOffMarkOf(day), want) << day;
    static_cast<void>(state.holidays.ApplyUpdate("2026-02-24 \xD0\xDD\n"));
    EXPECT_EQ(state.DayOffMarkOf(14), M::None) << "the update replaced 2026";
    EXPECT_EQ(state.DayOffMarkOf(24), M::Off);
}

}  // namespace
