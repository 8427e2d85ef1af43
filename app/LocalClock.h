// Today's local date, read through one replaceable function so that tests
// can put the clock at midnight or outside the calendar's range.
#pragma once

#include "app/MonthNavigation.h"

namespace app {

using LocalClock = CalendarDate (*)();

// The local date (GetLocalTime), or what the replacement says.
CalendarDate LocalToday();

// Replaces the clock (null puts the system's back); returns the previous one.
LocalClock SetLocalClock(LocalClock clock);

}  // namespace app
