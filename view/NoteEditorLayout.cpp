#include "view/NoteEditorLayout.h"

#include <algorithm>

namespace view {

double EditorPixelsPerDialogUnit(base::DpiScale scale) {
    return kEditorPixelsPerDialogUnit * scale.dpi / base::kDesignDpi;
}

GridRect ScaleRect(const GridRect& r, base::DpiScale scale) {
    return {scale(r.left), scale(r.top), scale(r.right), scale(r.bottom)};
}

EditorRow PlaceEditorRow(const EditorRowDesign& design, int textWidth, base::DpiScale scale) {
    EditorRow row{ScaleRect(design.label, scale), ScaleRect(design.button, scale)};
    row.label.right = std::max(row.label.right, row.label.left + textWidth);
    const int shift = std::max(0, row.label.right + scale(design.button.left - design.label.right) - row.button.left);
    row.button.left += shift;
    row.button.right += shift;
    return row;
}

}  // namespace view
