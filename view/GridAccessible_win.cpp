#include "view/GridAccessible.h"

#include "view/DayAccessibleText.h"
#include "view/MonthView.h"

namespace view {

namespace {

constexpr char kDayAction[] = "编辑记事";
constexpr char kHeaderAction[] = "编辑每周提示";

}  // namespace

GridAccessible::GridAccessible(CMonthView& view) : fw::AccessibleObject(view.hwnd()), view_(view) {}

bool GridAccessible::IsDay(long child) const { return child >= 1 && child <= view_.dayCount; }

int GridAccessible::HeaderWeekday(long child) const {
    const long weekday = child - view_.dayCount - 1;
    return weekday >= 0 && weekday < kColumns ? static_cast<int>(weekday) : -1;
}

long GridAccessible::ChildCount() const { return view_.dayCount + kColumns; }

std::string GridAccessible::Name(long child) const {
    if (child == 0) return MonthTableName(view_.year, view_.month);
    if (IsDay(child)) return DayCellName(view_, static_cast<int>(child));
    return WeekdayHeaderName(view_, HeaderWeekday(child));
}

long GridAccessible::Role(long child) const {
    if (child == 0) return ROLE_SYSTEM_TABLE;
    return IsDay(child) ? ROLE_SYSTEM_CELL : ROLE_SYSTEM_COLUMNHEADER;
}

long GridAccessible::State(long child) const {
    const bool focused = ::GetFocus() == view_.hwnd();
    if (child == 0) return STATE_SYSTEM_FOCUSABLE | (focused ? STATE_SYSTEM_FOCUSED : 0);
    if (!IsDay(child)) return 0;
    long state = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
    if (child == view_.FocusDay()) state |= STATE_SYSTEM_SELECTED | (focused ? STATE_SYSTEM_FOCUSED : 0);
    return state;
}

std::string GridAccessible::DefaultAction(long child) const {
    if (child == 0) return {};
    return IsDay(child) ? kDayAction : kHeaderAction;
}

bool GridAccessible::DoDefaultAction(long child) {
    if (child == 0) return false;
    ::PostMessageW(view_.hwnd(), kOpenEditorMessage, IsDay(child) ? static_cast<WPARAM>(child) : 0,
                   IsDay(child) ? 0 : HeaderWeekday(child));
    return true;
}

RECT GridAccessible::ClientRectOf(long child) const {
    if (IsDay(child)) return view_.DayCellRect(static_cast<int>(child));
    if (const int weekday = HeaderWeekday(child); weekday >= 0)
        return {view_.scale(kColumnPitch * weekday), 0, view_.scale(kColumnPitch * weekday + kCellWidth),
                view_.scale(kHeaderHeight)};
    return fw::AccessibleObject::ClientRectOf(child);
}

long GridAccessible::ChildAt(POINT client) const {
    const GridPoint point{client.x, client.y};
    if (const int day = view_.HitTest(point)) return day;
    if (InHeaderBand(point, view_.scale)) return view_.dayCount + 1 + HeaderColumn(client.x, view_.scale);
    return 0;
}

long GridAccessible::FocusedChild() const { return view_.FocusDay(); }

long GridAccessible::SelectedChild() const { return view_.FocusDay(); }

bool GridAccessible::Select(long child, long flags) {
    if (!IsDay(child) || !(flags & (SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION))) return false;
    view_.FocusOn(static_cast<int>(child), (flags & SELFLAG_TAKEFOCUS) != 0);
    return true;
}

long GridAccessible::Neighbour(long child, long direction) const {
    if (!IsDay(child)) {
        // From a header down into the first day of its column.
        const int weekday = HeaderWeekday(child);
        if (weekday >= 0 && direction == NAVDIR_DOWN)
            return (weekday - view_.days[1].weekday + kColumns) % kColumns + 1;
        return fw::AccessibleObject::Neighbour(child, direction);
    }
    long to = 0;
    switch (direction) {
        case NAVDIR_LEFT: to = child - 1; break;
        case NAVDIR_RIGHT: to = child + 1; break;
        case NAVDIR_UP: to = child - kColumns; break;
        case NAVDIR_DOWN: to = child + kColumns; break;
        default: return fw::AccessibleObject::Neighbour(child, direction);
    }
    return IsDay(to) ? to : 0;
}

}  // namespace view
