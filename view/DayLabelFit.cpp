#include "view/DayLabelFit.h"

#include "view/MonthLayout.h"

#include <algorithm>

namespace view {

namespace {

int OffsetFor(int width) { return std::clamp(kCellWidth - width, 0, kDayLabelOffset); }

}  // namespace

DayLabelPlacement PlaceDayLabel(int width, int narrowWidth) {
    if (width <= kCellWidth) return {DayLabelFont::Regular, OffsetFor(width)};
    return {DayLabelFont::Narrow, OffsetFor(narrowWidth)};
}

}  // namespace view
