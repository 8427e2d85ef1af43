#include "app/LocalClock.h"

#include <windows.h>

namespace app {

namespace {

CalendarDate SystemToday() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay};
}

LocalClock clock = &SystemToday;

}  // namespace

CalendarDate LocalToday() { return clock(); }

LocalClock SetLocalClock(LocalClock replacement) {
    const LocalClock previous = clock;
    clock = replacement ? replacement : &SystemToday;
    return previous;
}

}  // namespace app
