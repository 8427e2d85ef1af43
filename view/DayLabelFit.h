// Where a day's lunar label goes in its cell, so that all of it shows.
#pragma once

#include "base/DpiScale.h"

namespace view {

// A label that fits starts this far into its cell.
inline constexpr int kDayLabelOffset = 6;

enum class DayLabelFont { Regular, Narrow };

struct DayLabelPlacement {
    DayLabelFont font = DayLabelFont::Regular;
    int offset = kDayLabelOffset;  // from the cell's left edge
    friend bool operator==(const DayLabelPlacement&, const DayLabelPlacement&) = default;
};

// For a label `width` pixels wide in its regular font and `narrowWidth` in
// the narrow font of the same face (client pixels at `scale`): one that fits
// from kDayLabelOffset stays there; a wider one starts as far left as it
// needs to end inside the cell; one wider than the cell is drawn in the
// narrow font, likewise.
DayLabelPlacement PlaceDayLabel(int width, int narrowWidth, base::DpiScale scale = {});

// The average character width of the narrow fonts at `scale`: five
// double-width characters (the longest lunar month name) fit a cell. Rounded
// down, since rounding 7.5 up at 150 % would pass the cell by three pixels.
int NarrowLabelCharWidth(base::DpiScale scale = {});

}  // namespace view
