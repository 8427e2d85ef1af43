// The main window, the memo tab and pad beside it and the day editor on a
// 144-DPI screen, and the main window moved between monitors of 96 and 144
// DPI.
#include "app/CalendarLayout.h"
#include "app/WindowPlacement.h"
#include "base/DpiScale.h"
#include "framework/Dpi.h"
#include "framework/LiveCounts.h"
#include "resources/resource_ids.h"
#include "tests/gui/CalendarFixture.h"
#include "tests/gui/GuiHarness.h"
#include "view/MemoEditDlg.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int kScreenDpi = 144;

// `child`'s window rectangle in `parent`'s client pixels.
RECT RectIn(HWND child, HWND parent) {
    RECT r = gui_test::WindowRectOf(child);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// The extent of a control's text in the font it draws with.
SIZE TextExtent(HWND control) {
    const std::string text = gui_test::TextOf(control);
    const fw::CClientDC dc(control);
    const fw::SelectGuard font(dc.get(), reinterpret_cast<HGDIOBJ>(::SendMessageA(control, WM_GETFONT, 0, 0)));
    SIZE size{};
    ::GetTextExtentPoint32A(dc.get(), text.data(), static_cast<int>(text.size()), &size);
    return size;
}

class AtHighDpi : public calendar_test::CalendarTest {
protected:
    void SetUp() override { ASSERT_EQ(fw::WindowDpi(nullptr), kScreenDpi) << "the test prefix's screen"; }
};

TEST_F(AtHighDpi, MainWindowLaysItselfOutAtItsDpi) {
    const HWND main = Open().hwnd();
    ASSERT_EQ(fw::WindowDpi(main), kScreenDpi);
    const app::MainWindowLayout& layout = window->Layout();
    EXPECT_EQ(layout, app::LayOutMainWindow({kScreenDpi}));
    RECT client{};
    ::GetClientRect(main, &client);
    EXPECT_EQ(client.right * 1000 + client.bottom, 545 * 1000 + 417);

    const RECT view = RectIn(window->MonthView()->hwnd(), main);
    EXPECT_EQ(view.top, layout.monthView.top);
    // The pickers end above the weekday band, side by side, left of "上月".
    const RECT year = RectIn(window->YearCombo().hwnd(), main), month = RectIn(window->MonthCombo().hwnd(), main);
    EXPECT_LE(year.bottom, view.top);
    EXPECT_LE(month.bottom, view.top);
    EXPECT_LE(year.right, month.left);
    // Their lists show as many items as at 96 DPI: eight.
    for (const HWND picker : {window->YearCombo().hwnd(), window->MonthCombo().hwnd()}) {
        RECT dropped{};
        ::SendMessageA(picker, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
        const LRESULT item = ::SendMessageA(picker, CB_GETITEMHEIGHT, 0, 0);
        ASSERT_GT(item, 0);
        EXPECT_EQ((dropped.bottom - dropped.top) / item, 8) << item;
    }
    // The header buttons: each whole, before the next, above the band.
    const HWND headers[] = {window->MonthCombo().hwnd(), ::GetDlgItem(main, app::kPrevButtonId),
                            ::GetDlgItem(main, app::kNextButtonId), ::GetDlgItem(main, app::kTodayButtonId),
                            ::GetDlgItem(main, app::kCloseButtonId)};
    for (std::size_t i = 1; i < std::size(headers); ++i) {
        const RECT r = RectIn(headers[i], main);
        EXPECT_LE(RectIn(headers[i - 1], main).right, r.left) << i;
        EXPECT_LE(r.bottom, view.top) << i;
        EXPECT_TRUE(Inside(r, client)) << i;
    }
    // The year strip lies inside the view, its text whole.
    const HWND yearLabel = window->MonthView()->YearLabel().hwnd();
    RECT viewClient{};
    ::GetClientRect(window->MonthView()->hwnd(), &viewClient);
    const RECT strip = RectIn(yearLabel, window->MonthView()->hwnd());
    EXPECT_TRUE(Inside(strip, viewClient)) << strip.bottom << " of " << viewClient.bottom;
    EXPECT_GT(strip.bottom - strip.top, 17) << "its font is made for 144 DPI";
}

TEST_F(AtHighDpi, MemoTabAndPadKeepTheirGapToTheCalendarAtItsDpi) {
    const RECT calendar = gui_test::WindowRectOf(Open().hwnd());
    const int tabGap = base::ScaleToDpi(app::kMemoTabGap, kScreenDpi);
    const int padGap = base::ScaleToDpi(app::kMemoPadGap, kScreenDpi);
    ASSERT_EQ(tabGap, 15);
    const RECT tab = gui_test::WindowRectOf(window->MemoTab()->hwnd());
    EXPECT_EQ(tab.left - calendar.right, tabGap);
    EXPECT_EQ(tab.bottom, calendar.bottom);
    // Below the calendar the pad would pass the screen's foot: it goes above.
    const RECT pad = gui_test::WindowRectOf(window->MemoPad()->hwnd());
    EXPECT_EQ(calendar.top - pad.bottom, padGap) << pad.top << " under a calendar at " << calendar.top;
    EXPECT_EQ(pad.left, calendar.left);
}

TEST_F(AtHighDpi, DayEditorLabelsHoldTheirTextBesideTheirButtons) {
    Open();
    window->ShowMonth(2024, 12);
    bool seen = false;
    gui_test::WhenDialogOpens([&](HWND) {
        const HWND editor = calendar_test::DialogWith(IDC_ONE_OFF_EDIT);
        if (!editor) return false;
        seen = true;
        RECT client{};
        ::GetClientRect(editor, &client);
        const struct {
            UINT label, button, edit;
        } rows[] = {{view::kDateLabelId, view::kOneOffColourId, 0},
                    {view::kGregorianLabelId, view::kGregorianColourId, IDC_GREGORIAN_EDIT},
                    {view::kLunarLabelId, view::kLunarColourId, IDC_LUNAR_EDIT}};
        for (const auto& row : rows) {
            const HWND label = ::GetDlgItem(editor, static_cast<int>(row.label));
            const RECT r = RectIn(label, editor);
            const SIZE text = TextExtent(label);
            EXPECT_GE(r.right - r.left, text.cx) << gui_test::TextOf(label);
            EXPECT_GE(r.bottom - r.top, text.cy) << gui_test::TextOf(label);
            const RECT button = RectIn(::GetDlgItem(editor, static_cast<int>(row.button)), editor);
            EXPECT_GE(button.left, r.right) << gui_test::TextOf(label);
            if (row.edit) {
                EXPECT_LE(button.right, RectIn(::GetDlgItem(editor, static_cast<int>(row.edit)), editor).left);
            }
            EXPECT_TRUE(Inside(button, client));
        }
        gui_test::PressButton(editor, IDCANCEL);
        return true;
    });
    // The 31st: "阳历每年12月31日", "农历每年十二月初一".
    const view::GridPoint cell = window->MonthView()->GetCellOrigin(31);
    gui_test::ReleaseLeft(window->MonthView()->hwnd(), {cell.x + 20, cell.y + 20});
    EXPECT_TRUE(seen);
}

TEST_F(AtHighDpi, TakesTheSuggestedRectangleOnEveryChangeOfDpiAndLeaksNothing) {
    const HWND main = Open().hwnd();
    gui_test::PumpUntilIdle();
    const HWND yearLabel = window->MonthView()->YearLabel().hwnd();
    const LONG labelAt144 = gui_test::WindowRectOf(yearLabel).bottom - gui_test::WindowRectOf(yearLabel).top;
    // Counted after the first change, which makes the pickers' own font
    // once (until then they have the dialog's).
    int gdi = 0, windows = 0;
    for (int i = 0; i < 12; ++i) {
        if (i == 2) gdi = fw::LiveGdiObjects(), windows = fw::LiveWindows();
        const int dpi = i % 2 == 0 ? 96 : kScreenDpi;
        const app::MainWindowLayout layout = app::LayOutMainWindow({dpi});
        RECT suggested{40 + i, 30, 40 + i + layout.width, 30 + layout.height};
        ::SendMessageA(main, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        gui_test::PumpUntilIdle(10);
        const RECT now = gui_test::WindowRectOf(main);
        EXPECT_TRUE(now.left == suggested.left && now.top == suggested.top && now.right == suggested.right &&
                    now.bottom == suggested.bottom)
            << i;
        RECT viewClient{};
        ::GetClientRect(window->MonthView()->hwnd(), &viewClient);
        EXPECT_EQ(viewClient.right, layout.monthView.right) << i;
        const LONG label = gui_test::WindowRectOf(yearLabel).bottom - gui_test::WindowRectOf(yearLabel).top;
        if (dpi == 96) {
            EXPECT_LT(label, labelAt144) << "the strip's font made again for 96 DPI";
        }
        if (dpi == kScreenDpi) {
            EXPECT_EQ(label, labelAt144);
        }
        EXPECT_EQ(window->MonthView()->scale.dpi, dpi);
    }
    EXPECT_EQ(fw::LiveGdiObjects(), gdi);
    EXPECT_EQ(fw::LiveWindows(), windows);
}

}  // namespace
