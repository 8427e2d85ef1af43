#include "app/CalendarDlg.h"

#include "app/DesktopEmbedding.h"
#include "app/ExitPromptDlg.h"
#include "app/LocalClock.h"
#include "app/MonthNavigation.h"
#include "base/WideText_win.h"
#include "framework/WinApp.h"
#include "notes/MemoFile.h"

#include <cstdio>

namespace app {

namespace {

constexpr char kEmbeddingGivenUp[] = "无法设置到桌面，请报告站长";
constexpr char kUninstallFailed[] = "无法删除开机自动启动项，程序继续运行。";
constexpr char kMemoUnsavedAtExit[] = "记事小本无法保存到磁盘，程序继续运行，以免文字丢失。";
constexpr char kMemoUnsavedAtSessionEnd[] =
    "记事小本无法保存到磁盘，文字只在记事小本中。\n为免文字丢失，程序阻止了注销或关机；请先把文字另存到别处。";
// What the system shows beside the program while it holds the session.
constexpr char kSessionBlockReason[] = "记事小本的文字尚未保存到磁盘";

// The reasons for holding the session exist from Windows Vista on: looked up
// when first needed.
using BlockReasonCreate = BOOL(WINAPI*)(HWND, LPCWSTR);
using BlockReasonDestroy = BOOL(WINAPI*)(HWND);

template <typename Function>
Function User32Entry(const char* name) {
    const HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    return user32 ? reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(user32, name))) : nullptr;
}

void GiveBlockReason(HWND window, const char* reason) {
    static const auto create = User32Entry<BlockReasonCreate>("ShutdownBlockReasonCreate");
    if (create) create(window, base::Gb18030ToWide(reason).c_str());
}

void WithdrawBlockReason(HWND window) {
    static const auto destroy = User32Entry<BlockReasonDestroy>("ShutdownBlockReasonDestroy");
    if (destroy && window) destroy(window);
}

}  // namespace

// The pickers.

void CCalendarDlg::FillPickers() {
    // Filled without updating the lists item by item, and with the year
    // list's room taken at once: well under half the time.
    ::SendMessageW(monthCombo.hwnd(), WM_SETREDRAW, FALSE, 0);
    ::SendMessageW(yearCombo.hwnd(), WM_SETREDRAW, FALSE, 0);
    ::SendMessageW(yearCombo.hwnd(), CB_INITSTORAGE, kYearItemCount, kYearItemCount * sizeof L"2049年");
    char item[16];
    for (int month = 1; month <= kMonthItemCount; ++month) {
        std::snprintf(item, sizeof item, "%d月", month);
        monthCombo.AddString(item);
    }
    for (int i = 0; i < kYearItemCount; ++i) {
        std::snprintf(item, sizeof item, "%d年", kFirstShownMonth.year + i);
        yearCombo.AddString(item);
    }
    ::SendMessageW(monthCombo.hwnd(), WM_SETREDRAW, TRUE, 0);
    ::SendMessageW(yearCombo.hwnd(), WM_SETREDRAW, TRUE, 0);
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
    if (MemoStillUnsaved()) {
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

bool CCalendarDlg::MemoStillUnsaved() {
    if (memoPad && memoPad->hwnd()) {
        memoPad->SaveIfPending();
        return memoPad->SavePending();
    }
    if (!memoTakenOver) return false;
    if (notes::MemoFile(notes::kDefaultMemoName).Save(memoTakenOver->data(), memoTakenOver->size()) == 0)
        memoTakenOver.reset();
    return memoTakenOver.has_value();
}

// The end of the session (logoff, shutdown, restart).

BOOL CCalendarDlg::QueryEndSession(HWND asking) {
    const SessionEndAnswer answer = AnswerSessionEnd(MemoStillUnsaved(), sessionWarningPending);
    if (answer.blockReason) {
        GiveBlockReason(asking, kSessionBlockReason);
    } else {
        WithdrawBlockReasons();
    }
    if (answer.warn) {
        // The system waits for the reply, not for the user to read.
        sessionWarningPending = true;
        ::PostMessageW(hwnd_, kSessionEndWarningMessage, 0, 0);
    }
    return answer.allowEnd ? TRUE : FALSE;
}

void CCalendarDlg::EndSession() {
    // The last try before the process goes; a session that goes on after all
    // keeps the block only while the memo is unsaved.
    if (!MemoStillUnsaved()) WithdrawBlockReasons();
}

void CCalendarDlg::WithdrawBlockReasons() {
    for (const HWND window : {hwnd_, memoPad ? memoPad->hwnd() : nullptr, memoTab ? memoTab->hwnd() : nullptr})
        WithdrawBlockReason(window);
}

LRESULT CCalendarDlg::OnSessionEndWarning(WPARAM, LPARAM) {
    fw::MessageBoxFor(hwnd_, kMemoUnsavedAtSessionEnd);
    sessionWarningPending = false;
    return 0;
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
