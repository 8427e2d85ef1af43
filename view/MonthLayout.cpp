#include "view/MonthLayout.h"

#include <algorithm>

namespace view {

namespace {

bool InClientArea(GridPoint pt) { return pt.x >= 0 && pt.x < kViewWidth && pt.y >= 0 && pt.y < kViewHeight; }

}  // namespace

GridPoint CellOrigin(int firstWeekday, int day) {
    const int position = firstWeekday + day - 1;
    return {kColumnPitch * (position % kColumns), kHeaderHeight + kRowPitch * (position / kColumns)};
}

GridRect CellRect(int column, int row) {
    const int left = kColumnPitch * column;
    const int top = kGridTop + kRowPitch * row;
    return {left, top, left + kCellWidth, top + kCellHeight};
}

int HitTestDay(int firstWeekday, int dayCount, GridPoint pt) {
    // Outside the view the arithmetic would wrap into a neighbouring row.
    if (!InClientArea(pt) || pt.y < kHeaderHeight) return 0;
    const int day = kColumns * ((pt.y - kHeaderHeight) / kRowPitch) + pt.x / kColumnPitch - firstWeekday + 1;
    return day >= 0 && day <= dayCount ? day : 0;
}

bool InHeaderBand(GridPoint pt) { return InClientArea(pt) && pt.y <= kHeaderHeight; }

int HeaderColumn(int x) { return std::clamp(x / kColumnPitch, 0, kColumns - 1); }

GridRect MarkRing(GridPoint origin) {
    return {origin.x - kRingLeadingMargin, origin.y - kRingLeadingMargin, origin.x + kRingRightOffset,
            origin.y + kRingBottomOffset};
}

std::optional<ScheduleNotePlace> PlaceScheduleNote(int titleRight, int buttonLeft, int buttonRight, int stripRight,
                                                   int wholeWidth, int shortWidth) {
    const int slots[][2] = {{titleRight, buttonLeft}, {buttonRight, stripRight}};
    for (const bool shortText : {false, true})
        for (const auto& slot : slots) {
            const int left = slot[0] + kScheduleNoteGap;
            if (left + (shortText ? shortWidth : wholeWidth) <= slot[1] - kScheduleNoteMargin)
                return ScheduleNotePlace{left, shortText};
        }
    return std::nullopt;
}

}  // namespace view
