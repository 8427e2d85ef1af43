#include "app/CalendarLayout.h"

namespace app {

namespace {

view::GridRect Scaled(base::DpiScale s, int left, int top, int right, int bottom) {
    return {s(left), s(top), s(right), s(bottom)};
}

}  // namespace

MainWindowLayout LayOutMainWindow(base::DpiScale s) {
    MainWindowLayout l;
    l.width = s(kMainWindowWidth);
    l.height = s(kMainWindowHeight);
    l.titleStrip = {0, 0, l.width, s(kTitleStripHeight)};

    l.pickerFieldHeight = s(kPickerFieldHeight);
    l.yearPicker =
        Scaled(s, kYearPickerLeft, kPickerTop, kYearPickerLeft + kYearPickerWidth, kPickerTop + kPickerFieldHeight);
    l.monthPicker =
        Scaled(s, kMonthPickerLeft, kPickerTop, kMonthPickerLeft + kMonthPickerWidth, kPickerTop + kPickerFieldHeight);

    l.prevButton = Scaled(s, 190, kHeaderButtonTop, 220, kHeaderButtonBottom);
    l.nextButton = Scaled(s, 230, kHeaderButtonTop, 260, kHeaderButtonBottom);
    l.todayButton = Scaled(s, 270, kHeaderButtonTop, 300, kHeaderButtonBottom);
    // "×" ends at the window's right edge.
    l.closeButton = {s(338), s(kHeaderButtonTop), l.width, s(kHeaderButtonBottom)};

    const view::GridPoint view = view::ViewSize(s);
    l.monthView = {0, s(kMonthViewTop), view.x, s(kMonthViewTop) + view.y};

    const int top = l.monthView.bottom + s(kHeadlineTopBelowView);
    l.headline = {s(kHeadlineLeft), top, s(kHeadlineRight), top + s(kHeadlineHeight)};
    l.nextArticle = {s(kNextArticleLeft), top + s(1), s(kNextArticleRight), top + s(1) + s(kHeadlineHeight)};
    l.headlineMaxWidth = s(kHeadlineMaxWidth);
    return l;
}

int PickerHeight(int designHeight, int fieldHeight, int itemHeight) {
    const int list = designHeight - kPickerFieldHeight;
    return fieldHeight + (list * itemHeight + kPickerItemHeight / 2) / kPickerItemHeight;
}

}  // namespace app
