// What each tick of the main window's one-second timer does: desktop
// embedding attempts, today's notes popping up once, the headline fetches,
// and following the date at midnight.
#pragma once

#include "app/MonthNavigation.h"

namespace app {

inline constexpr int kFirstTickCount = -2;
// Embedding is tried while the count is below this, then given up.
inline constexpr int kEmbedTickLimit = 60;
inline constexpr int kTodayTipTick = -1;
inline constexpr int kHeadlineRetryTicks = 60;      // while no headline is shown
inline constexpr int kHeadlineRefreshTicks = 7200;  // once one is

struct TickPlan {
    bool tryEmbedding = false;
    bool giveUpEmbedding = false;  // show the give-up message
    bool showTodayTip = false;
    bool fetchHeadline = false;
    friend bool operator==(const TickPlan&, const TickPlan&) = default;
};

// The work of the tick with count `tickCount`.
TickPlan PlanTick(int tickCount, bool embedded, bool headlineEmpty);

// The calendar follows the clock to a new date: the view's mark is not the
// one the clock's date calls for (the date itself, none outside the range).
// Not while an editor of the view is open: its OK would then store the
// typed notes under another date, so the move waits for the first tick
// after the editor closed.
bool RollOverDue(CalendarDate mark, CalendarDate clock, bool editorOpen);

// The timer's state across ticks.
class TickSchedule {
public:
    // Plans the tick that starts now and counts it at once, so that a tick
    // arriving while this one shows a message box is the next tick and not
    // this one again. Giving up marks embedding as done before the message
    // is shown, so the message comes once.
    TickPlan BeginTick(bool headlineEmpty);

    // The desktop took the window; no more attempts.
    void EmbeddingSucceeded() { embedded = 1; }

    int tickCount = kFirstTickCount;
    int embedded = 0;  // 1 once embedding succeeded or was given up
};

}  // namespace app
