// The main window from the keyboard, with the dialog manager between the
// keys and the windows as in the program's own modal loop: Tab through the
// pickers, the grid and the header buttons; the grid's keys through the
// navigation the buttons use; Enter on the grid and on a button.
#include "app/ExitPromptDlg.h"
#include "resources/resource_ids.h"
#include "tests/gui/CalendarFixture.h"
#include "tests/gui/GuiHarness.h"
#include "view/MemoEditDlg.h"

#include <string>
#include <vector>

namespace {

class CalendarKeys : public calendar_test::CalendarTest {
protected:
    // As PumpUntilIdle, but keys pass the dialog manager first.
    void Pump() {
        for (;;) {
            MSG message;
            bool any = false;
            while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
                any = true;
                if (window && window->hwnd() && ::IsDialogMessageA(window->hwnd(), &message)) continue;
                ::TranslateMessage(&message);
                ::DispatchMessageA(&message);
            }
            if (!any && ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT) == WAIT_TIMEOUT) return;
        }
    }
    void Key(WORD key) {
        gui_test::PressKey(key, false, [this] { Pump(); });
    }
    // The control with the focus; a picker for its edit field.
    HWND Focused() const {
        const HWND focus = ::GetFocus();
        const HWND parent = ::GetParent(focus);
        return parent == window->YearCombo().hwnd() || parent == window->MonthCombo().hwnd() ? parent : focus;
    }
    HWND Item(UINT id) const { return ::GetDlgItem(window->hwnd(), static_cast<int>(id)); }
    bool Showing(int year, int month) const {
        return window->MonthView()->year == year && window->MonthView()->month == month &&
               window->YearCombo().GetCurSel() == year - 1900 && window->MonthCombo().GetCurSel() == month - 1;
    }
};

TEST_F(CalendarKeys, TabGoesThroughThePickersTheGridAndTheButtons) {
    SetClock({2024, 2, 10});
    Open();
    ::SetForegroundWindow(window->hwnd());
    Pump();
    const HWND grid = window->MonthView()->hwnd();
    ASSERT_EQ(::GetFocus(), grid) << "the grid has the focus from the start";
    EXPECT_FALSE(window->MonthView()->FocusCuesShown()) << "no focus rectangle for a mouse user";

    std::vector<HWND> expected{Item(app::kPrevButtonId), Item(app::kNextButtonId), Item(app::kCloseButtonId)};
    for (const HWND strip : {window->HeadlineLabel().hwnd(), window->NextArticleButton().hwnd()})
        if (::IsWindowVisible(strip)) expected.push_back(strip);
    expected.insert(expected.end(), {window->YearCombo().hwnd(), window->MonthCombo().hwnd(), grid});
    std::vector<HWND> order;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        Key(VK_TAB);
        order.push_back(Focused());
    }
    EXPECT_EQ(order, expected) << "返回 is hidden in today's month, so Tab passes it";
    EXPECT_TRUE(window->MonthView()->FocusCuesShown());
}

TEST_F(CalendarKeys, GridKeysGoThroughTheNavigationAndEnterOpensTheEditor) {
    SetClock({2024, 2, 10});
    Open();
    ::SetForegroundWindow(window->hwnd());
    ::SetFocus(window->MonthView()->hwnd());
    Pump();
    Key(VK_NEXT);
    EXPECT_TRUE(Showing(2024, 3)) << "the pickers follow";
    EXPECT_TRUE(::IsWindowVisible(window->TodayButton().hwnd()));
    Key(VK_LEFT);
    EXPECT_EQ(window->MonthView()->FocusDay(), 9);
    Key(VK_HOME);
    EXPECT_TRUE(Showing(2024, 2)) << "as 返回";
    EXPECT_FALSE(::IsWindowVisible(window->TodayButton().hwnd()));
    EXPECT_EQ(window->MonthView()->FocusDay(), 10);

    std::string label;
    gui_test::WhenDialogOpens([&](HWND) {
        const HWND editor = calendar_test::DialogWith(view::kDateLabelId);
        if (!editor) return false;
        label = gui_test::TextOf(::GetDlgItem(editor, view::kDateLabelId));
        gui_test::KeyInput(VK_ESCAPE);
        return true;
    });
    Key(VK_RETURN);
    EXPECT_EQ(label, "2024年2月10日星期六农历正月初一");
    EXPECT_TRUE(::IsWindowVisible(window->hwnd()));
    EXPECT_EQ(::GetFocus(), window->MonthView()->hwnd()) << "the keys go on in the grid";

    // Space on a header button clicks it; Enter on "×" opens the exit prompt.
    ::SetFocus(Item(app::kPrevButtonId));
    Key(VK_SPACE);
    EXPECT_TRUE(Showing(2024, 1));
    bool prompted = false;
    gui_test::WhenDialogOpens([&](HWND) {
        const HWND prompt = calendar_test::DialogWith(IDC_EXIT_UNINSTALL);
        if (prompt) ::PostMessageA(prompt, WM_CLOSE, 0, 0);
        prompted = prompt != nullptr;
        return prompted;
    });
    ::SetFocus(Item(app::kCloseButtonId));
    Key(VK_RETURN);
    EXPECT_TRUE(prompted);
    EXPECT_FALSE(window->ExitChosen());
}

}  // namespace
