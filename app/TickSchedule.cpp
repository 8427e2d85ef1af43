#include "app/TickSchedule.h"

namespace app {

TickPlan PlanTick(int tickCount, bool embedded, bool headlineEmpty) {
    TickPlan plan;
    if (!embedded) {
        plan.tryEmbedding = tickCount < kEmbedTickLimit;
        plan.giveUpEmbedding = !plan.tryEmbedding;
    }
    if (tickCount == kTodayTipTick)
        plan.showTodayTip = true;
    else
        plan.fetchHeadline =
            tickCount % kHeadlineRetryTicks == 0 && (headlineEmpty || tickCount % kHeadlineRefreshTicks == 0);
    return plan;
}

bool RollOverDue(CalendarDate mark, CalendarDate clock, bool editorOpen) {
    const CalendarDate meant = ShownMonthFor(clock).markDay != 0 ? clock : CalendarDate{};
    return mark != meant && !editorOpen;
}

TickPlan TickSchedule::BeginTick(bool headlineEmpty) {
    const TickPlan plan = PlanTick(tickCount, embedded != 0, headlineEmpty);
    if (plan.giveUpEmbedding) embedded = 1;
    ++tickCount;
    return plan;
}

}  // namespace app
