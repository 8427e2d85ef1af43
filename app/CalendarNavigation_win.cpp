#include "app/CalendarDlg.h"

#include "app/DesktopEmbedding.h"
#include "app/ExitPromptDlg.h"
#include "app/LocalClock.h"
#include "app/MonthNavigation.h"
#include "framework/WinApp.h"

#include <cstdio>

namespace app {

namespace {

constexpr char kEmbeddingGivenUp[] = "无法设置到桌面，请报告站长";
constexpr char kUninstallFailed[] = "无法删除开机自动启动项，程序继续运行。";
constexpr char kMemoUnsavedAtExit[] = "记事小本无法保存到磁盘，程序继续运行，以免文字丢失。";

}  // namespace

// The pickers.

void CCalendarDlg::FillPickers() {
    // Filled without updating the lists item by item, and with the year
    // list's room taken at once: well under half the time.
    ::SendMessageA(monthCombo.hwnd(), WM_SETREDRAW, FALSE, 0);
    ::SendMessageA(yearCombo.hwnd(), WM_SETREDRAW, FALSE, 0);
    ::SendMessageA(yearCombo.hwnd(), CB_INITSTORAGE, kYearItemCount, kYearItemCount * sizeof "2049年");
    char item[16];
    for (int month = 1; month <= kMonthItemCount; ++month) {
        std::snprintf(item, sizeof item, "%d月", month);
        monthCombo.AddString(item);
    }
    for (int i = 0; i < kYearItemCount; ++i) {
        std::snprintf(item, sizeof item, "%d年", kFirstShownMonth.year + i);
        yearCombo.AddString(item);
    }
    ::SendMessageA(monthCombo.hwnd(), WM_SETREDRAW, TRUE, 0);
    ::SendMessageA(yearCombo.hwnd(), WM_SETREDRAW, TRUE, 0);
}

void CCalendarDlg::SelectPickers(int year, int month) {
    yearCombo.SetCurSel(YearItem(year));
    monthCombo.SetCurSel(MonthItem(month));
}

// Navigation.

void CCalendarDlg::GoToToday() {
    const CalendarDate today = LocalToday();
    const YearMonth shown{monthView->year, monthView->month};
    const CalendarDate mark = MarkedDate();
    const TodayView target = ShownMonthFor(today);
    // A clock outside the calendar's range: no shown day is today, so no mark.
    const bool staleMark = target.markDay == 0 && mark != CalendarDate{};
    if (!TodayMoveNeeded(shown, mark, today) && !staleMark) return;

    if (staleMark) monthView->ClearMark();
    monthView->SetMonth(target.shown.year, target.shown.month, target.markDay);
    SelectPickers(target.shown.year, target.shown.month);
}

CalendarDate CCalendarDlg::MarkedDate() const {
    return {monthView->markYear, monthView->markMonth, monthView->markDay};
}

void CCalendarDlg::ShowMonth(int year, int month) {
    monthView->SetMonth(year, month, 0);
    SelectPickers(year, month);
}

void CCalendarDlg::OnPickerChange() {
    const std::optional<PickerChoice> choice = MonthForPickerItems(yearCombo.GetCurSel(), monthCombo.GetCurSel());
    if (!choice) {
        // Text typed into a picker chooses nothing.
        SelectPickers(monthView->year, monthView->month);
        return;
    }
    if (choice->reselectMonth) monthCombo.SetCurSel(MonthItem(choice->shown.month));
    monthView->SetMonth(choice->shown.year, choice->shown.month, 0);
}

void CCalendarDlg::OnPrevButton() {
    const YearMonth previous = PreviousMonth({monthView->year, monthView->month});
    ShowMonth(previous.year, previous.month);
}

void CCalendarDlg::OnNextButton() {
    const YearMonth next = NextMonth({monthView->year, monthView->month});
    ShowMonth(next.year, next.month);
}

void CCalendarDlg::OnOtherButton(UINT) { ShowMonth(monthView->year, monthView->month); }

void CCalendarDlg::ShowTodayButton(bool show) { ::ShowWindow(todayButton.hwnd(), show ? SW_SHOW : SW_HIDE); }

// Exit.

void CCalendarDlg::RunExitPrompt() {
    CExitPromptDlg prompt(this);
    prompt.DoModal();
    if (prompt.choice != CExitPromptDlg::kCloseProgram && prompt.choice != CExitPromptDlg::kUninstall) return;
    memoPad->SaveIfPending();
    if (memoPad->SavePending()) {
        // The memo is only in the pad: ending now would lose it.
        fw::MessageBoxFor(hwnd_, kMemoUnsavedAtExit);
        return;
    }
    if (prompt.choice == CExitPromptDlg::kUninstall && removeAutostart() != 0) {
        // The entry is still there: ending now would look like success.
        fw::MessageBoxFor(hwnd_, kUninstallFailed);
        return;
    }
    exitChosen = true;
    EndDialog(IDCANCEL);
}

// The tick.

void CCalendarDlg::OnTimer(UINT_PTR id) {
    // A tick that comes first (a very slow first paint) finishes start-up too.
    if (id == kFinishStartupTimerId || !headlineLabel.hwnd()) FinishStartup();
    if (id != kFinishStartupTimerId) OnTick();
}

void CCalendarDlg::OnTick() {
    // Counted before any work: a tick that arrives while this one shows a
    // message box is the next tick, and the give-up message comes once.
    const TickPlan plan = schedule.BeginTick(headlineTitle.empty());
    if (plan.tryEmbedding && TryEmbedInDesktop(hwnd_)) schedule.EmbeddingSucceeded();
    if (plan.giveUpEmbedding) fw::MessageBoxFor(hwnd_, kEmbeddingGivenUp);
    if (!monthView || !hwnd_) return;
    if (plan.showTodayTip) monthView->ShowTodayTip();
    if (plan.fetchHeadline) FetchHeadline();
    FetchHolidaysIfDue();
    if (RollOverDue(MarkedDate(), LocalToday(), monthView->EditorOpen())) GoToToday();
}

}  // namespace app
