#include "view/DayLabelFit.h"

#include "view/MonthLayout.h"

#include <algorithm>

namespace view {

namespace {

// The cell's width at the scale, as CellRect gives it.
int CellWidth(base::DpiScale scale) { return scale(kCellWidth); }

int OffsetFor(int width, base::DpiScale scale) {
    return std::clamp(CellWidth(scale) - width, 0, scale(kDayLabelOffset));
}

}  // namespace

DayLabelPlacement PlaceDayLabel(int width, int narrowWidth, base::DpiScale scale) {
    if (width <= CellWidth(scale)) return {DayLabelFont::Regular, OffsetFor(width, scale)};
    return {DayLabelFont::Narrow, OffsetFor(narrowWidth, scale)};
}

int NarrowLabelCharWidth(base::DpiScale scale) { return CellWidth(scale) / 10; }

}  // namespace view
