// The geometry of the month view: a 363 x 236 client area with a weekday
// header band, a grid of 7 x 6 day cells and a strip at the bottom. The
// numbers are design pixels (96 DPI); the functions give client pixels at
// the view's DPI, every edge scaled on its own, so the one-pixel grid lines
// stay at least one pixel wide. Right and bottom edges exclusive.
#pragma once

#include <optional>
#include "base/DpiScale.h"

namespace view {

inline constexpr int kViewWidth = 363;
inline constexpr int kViewHeight = 236;

// Header band: rows 0..19; the grid line below it is row 20.
inline constexpr int kHeaderHeight = 20;

inline constexpr int kColumns = 7;
inline constexpr int kRows = 6;
inline constexpr int kCellWidth = 51;
inline constexpr int kCellHeight = 32;
inline constexpr int kColumnPitch = 52;
inline constexpr int kRowPitch = 33;
inline constexpr int kGridTop = 21;  // top of the first row of cells

// Strip at the bottom: the last 17 rows.
inline constexpr int kStripHeight = 17;
inline constexpr int kStripTop = kViewHeight - kStripHeight;

// Where a day's parts are drawn from its cell's top-left corner: the day
// number, the weekly "●", the two yearly "★", the lunar label's line.
inline constexpr int kDayNumberLeft = 10;
inline constexpr int kDayNumberTop = 2;
inline constexpr int kWeeklyDotLeft = 2;
inline constexpr int kGregorianStarLeft = -1;
inline constexpr int kLunarStarLeft = 34;
inline constexpr int kStarTop = 15;
inline constexpr int kDayLabelTop = 17;
// A weekday's name and its "●" in the header band.
inline constexpr int kWeekdayNameLeft = 10;
inline constexpr int kWeekdayTextTop = 2;
// The ring's dotted pen.
inline constexpr int kRingPenWidth = 2;

// Pixel heights of the grid's fonts.
inline constexpr int kDayNumberFontHeight = 17;
inline constexpr int kLunarFontHeight = 14;
inline constexpr int kStarFontHeight = 19;

// The 休 or 班 of a day: a square this far into its cell from the cell's
// left and top edges, right of the widest day number, "30".
inline constexpr int kDayOffMarkLeft = 38;
inline constexpr int kDayOffMarkTop = 1;
inline constexpr int kDayOffMarkSize = 12;

// The grey note of a year without a holiday schedule, in the strip: this
// far right of what it follows, in this point size (tenths), ending this far
// short of what comes after it.
inline constexpr int kScheduleNoteGap = 4;
inline constexpr int kScheduleNotePointSize = 80;
inline constexpr int kScheduleNoteMargin = 2;
inline constexpr int kScheduleNoteTop = 2;  // below the strip's top

struct ScheduleNotePlace {
    int left = 0;
    bool shortText = false;  // the note without its year
    friend bool operator==(const ScheduleNotePlace&, const ScheduleNotePlace&) = default;
};

// Where the note goes: after the year title when it fits before the site
// button, otherwise after the button before the strip's end; the whole
// note first, then the short one. None where neither fits. Positions and
// widths are client pixels at the view's DPI.
std::optional<ScheduleNotePlace> PlaceScheduleNote(int titleRight, int buttonLeft, int buttonRight, int stripRight,
                                                   int wholeWidth, int shortWidth, base::DpiScale scale = {});

// The ring around the marked day reaches this far beyond its cell origin.
inline constexpr int kRingLeadingMargin = 7;
inline constexpr int kRingRightOffset = 58;
inline constexpr int kRingBottomOffset = 41;

struct GridPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const GridPoint&, const GridPoint&) = default;
};

struct GridRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const GridRect&, const GridRect&) = default;
};

// A scale left out means the design itself.

// The client area's size.
GridPoint ViewSize(base::DpiScale scale = {});

// Left edge of day `day` (1..31) and the grid line just above its cell, in a
// month whose day 1 falls on `firstWeekday` (0 = Sunday).
GridPoint CellOrigin(int firstWeekday, int day, base::DpiScale scale = {});

// The cell in `column` (0..6) and `row` (0..5).
GridRect CellRect(int column, int row, base::DpiScale scale = {});

// The day under `pt`, or 0 for none: the header band, an empty cell, the
// strip, and any point outside the client area.
int HitTestDay(int firstWeekday, int dayCount, GridPoint pt, base::DpiScale scale = {});

// True for a point of the header band, including the grid line below it.
bool InHeaderBand(GridPoint pt, base::DpiScale scale = {});

// The weekday column under x, kept within 0..6.
int HeaderColumn(int x, base::DpiScale scale = {});

// The ring drawn around a marked day whose cell origin is `origin` (client
// pixels at the same scale).
GridRect MarkRing(GridPoint origin, base::DpiScale scale = {});

// The top of the strip at the bottom.
int StripTop(base::DpiScale scale = {});

}  // namespace view
