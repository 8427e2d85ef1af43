#include "view/MonthLayout.h"

#include <algorithm>

namespace view {

namespace {

bool InClientArea(GridPoint pt, base::DpiScale scale) {
    const GridPoint size = ViewSize(scale);
    return pt.x >= 0 && pt.x < size.x && pt.y >= 0 && pt.y < size.y;
}

// Which of the `count` bands of `pitch` design pixels from `start` holds
// `v`: the last whose scaled start is at or before it (0 before the first).
int BandOf(int v, int start, int pitch, int count, base::DpiScale scale) {
    int band = 0;
    while (band + 1 < count && scale(start + pitch * (band + 1)) <= v) ++band;
    return band;
}

}  // namespace

GridPoint ViewSize(base::DpiScale scale) { return {scale(kViewWidth), scale(kViewHeight)}; }

GridPoint CellOrigin(int firstWeekday, int day, base::DpiScale scale) {
    const int position = firstWeekday + day - 1;
    return {scale(kColumnPitch * (position % kColumns)), scale(kHeaderHeight + kRowPitch * (position / kColumns))};
}

GridRect CellRect(int column, int row, base::DpiScale scale) {
    const int left = kColumnPitch * column;
    const int top = kGridTop + kRowPitch * row;
    return {scale(left), scale(top), scale(left + kCellWidth), scale(top + kCellHeight)};
}

int HitTestDay(int firstWeekday, int dayCount, GridPoint pt, base::DpiScale scale) {
    // Outside the view the arithmetic would wrap into a neighbouring row.
    if (!InClientArea(pt, scale) || pt.y < scale(kHeaderHeight)) return 0;
    // One band more than the rows: the strip, where no day lies.
    const int row = BandOf(pt.y, kHeaderHeight, kRowPitch, kRows + 1, scale);
    const int day = kColumns * row + BandOf(pt.x, 0, kColumnPitch, kColumns, scale) - firstWeekday + 1;
    return day >= 0 && day <= dayCount ? day : 0;
}

bool InHeaderBand(GridPoint pt, base::DpiScale scale) { return InClientArea(pt, scale) && pt.y < scale(kGridTop); }

int HeaderColumn(int x, base::DpiScale scale) {
    return std::clamp(BandOf(x, 0, kColumnPitch, kColumns, scale), 0, kColumns - 1);
}

std::optional<ScheduleNotePlace> PlaceScheduleNote(int titleRight, int buttonLeft, int buttonRight, int stripRight,
                                                   int wholeWidth, int shortWidth, base::DpiScale scale) {
    const int slots[][2] = {{titleRight, buttonLeft}, {buttonRight, stripRight}};
    for (const bool shortText : {false, true})
        for (const auto& slot : slots) {
            const int left = slot[0] + scale(kScheduleNoteGap);
            if (left + (shortText ? shortWidth : wholeWidth) <= slot[1] - scale(kScheduleNoteMargin))
                return ScheduleNotePlace{left, shortText};
        }
    return std::nullopt;
}

GridRect MarkRing(GridPoint origin, base::DpiScale scale) {
    return {origin.x - scale(kRingLeadingMargin), origin.y - scale(kRingLeadingMargin),
            origin.x + scale(kRingRightOffset), origin.y + scale(kRingBottomOffset)};
}

int StripTop(base::DpiScale scale) { return scale(kViewHeight) - scale(kStripHeight); }

}  // namespace view
