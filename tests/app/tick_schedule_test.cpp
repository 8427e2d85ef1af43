// The one-second tick: embedding, today's tip, headline fetches, midnight.
#include "app/TickSchedule.h"

#include <gtest/gtest.h>

namespace {

TEST(TickSchedule, PlansByCount) {
    // count, embedded, headline empty -> try embedding, give up, today's tip, fetch
    const int cases[][7] = {{-2, 0, 1, 1, 0, 0, 0}, {-1, 0, 1, 1, 0, 1, 0},   {0, 0, 1, 1, 0, 0, 1},
                            {0, 1, 0, 0, 0, 0, 1},  {59, 0, 1, 1, 0, 0, 0},   {60, 0, 1, 0, 1, 0, 1},
                            {60, 1, 0, 0, 0, 0, 0}, {7200, 1, 0, 0, 0, 0, 1}, {14340, 1, 0, 0, 0, 0, 0}};
    for (const auto& c : cases) {
        const app::TickPlan expected{c[3] == 1, c[4] == 1, c[5] == 1, c[6] == 1};
        EXPECT_EQ(app::PlanTick(c[0], c[1] == 1, c[2] == 1), expected) << c[0];
    }
}

TEST(TickSchedule, TriesSixtyTwoTimesThenGivesUpOnce) {
    app::TickSchedule schedule;
    int attempts = 0, giveUps = 0;
    for (int tick = 0; tick < 200; ++tick) {
        const app::TickPlan plan = schedule.BeginTick(false);
        EXPECT_EQ(schedule.tickCount, tick - 1) << "a tick is counted as it starts";
        attempts += plan.tryEmbedding;
        giveUps += plan.giveUpEmbedding;
        EXPECT_TRUE(!plan.giveUpEmbedding || schedule.embedded == 1) << "set before the message shows";
    }
    EXPECT_EQ(attempts * 1000 + giveUps, 62001);
}

TEST(TickSchedule, RollOverWaitsForTheEditor) {
    const app::CalendarDate today{2024, 2, 29};
    EXPECT_FALSE(app::RollOverDue(today, today, false));
    EXPECT_TRUE(app::RollOverDue(today, {2024, 3, 1}, false));
    EXPECT_FALSE(app::RollOverDue(today, {2024, 3, 1}, true));
    EXPECT_FALSE(app::RollOverDue({}, {2050, 1, 1}, false)) << "outside the range nothing is marked";
    EXPECT_TRUE(app::RollOverDue({2049, 12, 31}, {2050, 1, 1}, false)) << "the old mark goes";
}

}  // namespace
