// The editors' labels and colour buttons at 100, 125, 150 and 200 %.
#include "view/NoteEditorLayout.h"
#include "tests/view/text_width_model.h"

#include <gtest/gtest.h>

namespace {

using layout_test::EmOfPoints;
using layout_test::ModelWidth;
using view::EditorRowDesign;

// The labels' font: 9-point.
constexpr int kLabelPoints = 90;
// Where the yearly notes' edits start, in dialog units of the template.
constexpr int kYearlyEditLeftUnits = 78;

TEST(NoteEditorLayout, AtTheDesignDpiLabelsThatFitStayPut) {
    const view::EditorRow row = view::PlaceEditorRow(view::kGregorianRow, 96, {});
    EXPECT_EQ(row.label, (view::GridRect{10, 230, 120, 250}));
    EXPECT_EQ(row.button, (view::GridRect{130, 230, 155, 250}));
    EXPECT_DOUBLE_EQ(view::EditorPixelsPerDialogUnit({}), 2.5);
    EXPECT_DOUBLE_EQ(view::EditorPixelsPerDialogUnit({144}), 3.75);
}

TEST(NoteEditorLayout, EachLabelHoldsItsTextAndItsButtonStaysBesideIt) {
    const struct {
        const EditorRowDesign& design;
        const char* text;
        bool beforeYearlyEdit;
    } rows[] = {
        {view::kGregorianRow, "阳历每年12月31日", true},
        {view::kLunarRow, "农历每年十一月廿九", true},
        {view::kLunarRow, "农历每年闰十一月廿九", true},  // wider than the design's label
        {view::kWeeklyRow, "每周三", false},
        {view::kDateRow, "2024年12月31日星期二农历十二月初一", false},
    };
    for (const int dpi : layout_test::kDpis) {
        const base::DpiScale s{dpi};
        const int editLeft = static_cast<int>(kYearlyEditLeftUnits * view::EditorPixelsPerDialogUnit(s));
        for (const auto& r : rows) {
            const int text = ModelWidth(r.text, EmOfPoints(kLabelPoints, dpi));
            const view::EditorRow row = view::PlaceEditorRow(r.design, text, s);
            EXPECT_GE(row.label.right - row.label.left, text) << dpi << r.text;
            EXPECT_GE(row.label.bottom - row.label.top, layout_test::ModelLineHeight(EmOfPoints(kLabelPoints, dpi)))
                << dpi << r.text;
            EXPECT_GE(row.button.left, row.label.right) << dpi << r.text;
            EXPECT_EQ(row.button.right - row.button.left, s(25)) << dpi << r.text;
            if (r.beforeYearlyEdit) {
                EXPECT_LE(row.button.right, editLeft) << dpi << r.text;
            }
        }
    }
}

}  // namespace
