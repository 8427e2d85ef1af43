// Where the note editors put their labels and colour buttons. The editors
// lay their templates out at kEditorPixelsPerDialogUnit design pixels per
// dialog unit, scaled to their DPI, and place these parts in design pixels
// through the same scale; a label grows to its text, and its colour button
// moves along to stay beside it.
#pragma once

#include "base/DpiScale.h"
#include "view/MonthLayout.h"

namespace view {

// At 96 DPI one dialog unit of an editor is 2.5 pixels across and down.
inline constexpr double kEditorPixelsPerDialogUnit = 2.5;

// A label and the colour button after it, in design pixels.
struct EditorRowDesign {
    GridRect label;
    GridRect button;
};

// The day editor's rows: the date, the Gregorian-yearly and the
// lunar-yearly note, and the grey hint under the lunar one; the weekly
// editor's one row.
inline constexpr EditorRowDesign kDateRow{{10, 10, 330, 30}, {340, 10, 365, 30}};
inline constexpr EditorRowDesign kGregorianRow{{10, 230, 120, 250}, {130, 230, 155, 250}};
inline constexpr EditorRowDesign kLunarRow{{10, 280, 120, 300}, {130, 280, 155, 300}};
inline constexpr GridRect kLunarHintRect{10, 312, 600, 330};
inline constexpr EditorRowDesign kWeeklyRow{{20, 10, 80, 30}, {80, 10, 105, 30}};

// The editor's pixels per dialog unit at `scale`.
double EditorPixelsPerDialogUnit(base::DpiScale scale);

struct EditorRow {
    GridRect label;
    GridRect button;
    friend bool operator==(const EditorRow&, const EditorRow&) = default;
};

// The row at `scale` for a label text `textWidth` client pixels wide in the
// label's font: the label at least as wide as its text, the button the
// design's gap after the label.
EditorRow PlaceEditorRow(const EditorRowDesign& design, int textWidth, base::DpiScale scale);

// A design rectangle at `scale`, each edge scaled on its own.
GridRect ScaleRect(const GridRect& rect, base::DpiScale scale);

}  // namespace view
