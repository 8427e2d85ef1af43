// The 休 and 班 marks of the month grid, drawn over a day cell's fill.
#include "view/MonthView.h"

#include "base/WideText_win.h"

namespace view {

void CMonthView::DrawDayOffMark(HDC dc, int day, int x, int y) {
    const lunar::DayOffMark mark = DayOffMarkOf(day);
    if (mark == lunar::DayOffMark::None) return;
    if (!dayOffMarkFont) return;
    const char* text = lunar::DayOffMarkText(mark);
    const fw::SelectGuard font(dc, dayOffMarkFont.get());
    ::SetTextColor(dc, mark == lunar::DayOffMark::Off ? dayOffColor : makeUpWorkColor);
    const std::wstring wide = base::Gb18030ToWide(text);
    ::TextOutW(dc, x + scale(kDayOffMarkLeft), y + scale(kDayOffMarkTop), wide.data(), static_cast<int>(wide.size()));
}

}  // namespace view
