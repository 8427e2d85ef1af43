// The month grid without a mouse: the focus day and its keys, the focus
// rectangle, the tip that follows the keys, and the grid's object for
// screen readers.
#include "view/GridAccessible.h"
#include "view/MonthView.h"
#include "view/DayTipPlacement.h"

#include <optional>

namespace view {

namespace {

std::optional<GridKey> KeyOf(WPARAM key, bool control) {
    switch (key) {
        case VK_LEFT: return GridKey::Left;
        case VK_RIGHT: return GridKey::Right;
        case VK_UP: return GridKey::Up;
        case VK_DOWN: return GridKey::Down;
        case VK_PRIOR: return control ? GridKey::YearUp : GridKey::PageUp;
        case VK_NEXT: return control ? GridKey::YearDown : GridKey::PageDown;
        case VK_HOME: return GridKey::Home;
        default: return std::nullopt;
    }
}

bool ControlDown() { return ::GetKeyState(VK_CONTROL) < 0; }

}  // namespace

RECT CMonthView::DayCellRect(int day) const {
    const int position = days[1].weekday + day - 1;
    const GridRect cell = CellRect(position % kColumns, position / kColumns, scale);
    return {cell.left, cell.top, cell.right, cell.bottom};
}

void CMonthView::FocusShownMonth() {
    focusDay = keyFocusDay != 0 ? keyFocusDay : FocusDayOfShownMonth(year, month, {markYear, markMonth, markDay});
    keyTipShown = false;
    fw::NotifyNameChange(hwnd_);
}

void CMonthView::FocusOn(int day, bool takeFocus) {
    if (day < 1 || day > dayCount) return;
    focusDay = day;
    ::InvalidateRect(hwnd_, nullptr, FALSE);
    if (takeFocus) ::SetFocus(hwnd_);
    if (::GetFocus() == hwnd_) fw::NotifyFocus(hwnd_, focusDay);
}

LRESULT CMonthView::OnGetDlgCode(WPARAM, LPARAM lParam) {
    LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    // Enter opens the focus day's editor instead of pressing the dialog's OK.
    const MSG* message = reinterpret_cast<const MSG*>(lParam);
    if (message && message->message == WM_KEYDOWN && message->wParam == VK_RETURN) code |= DLGC_WANTMESSAGE;
    return code;
}

LRESULT CMonthView::OnKeyDown(WPARAM key, LPARAM) {
    const bool control = ControlDown();
    if (key == VK_RETURN || key == VK_SPACE) {
        ShowFocusCues();
        if (focusDay < 1 || focusDay > dayCount) return 0;
        if (key == VK_RETURN && control)
            RunWeeklyEditor(days[focusDay].weekday);
        else
            RunDayEditor(focusDay);
        // The keys go on where they were.
        ::SetFocus(hwnd_);
        return 0;
    }
    const std::optional<GridKey> move = KeyOf(key, control);
    if (!move) return Default();
    ShowFocusCues();
    MoveFocusBy(*move);
    return 0;
}

void CMonthView::MoveFocusBy(GridKey key) {
    if (key == GridKey::Home) {
        // As "返回": today's month with today marked, or the nearest one.
        if (owner) owner->GoToToday();
        focusDay = FocusDayOfShownMonth(year, month, {markYear, markMonth, markDay});
    } else {
        const GridDate to = MoveFocus({year, month, focusDay}, key);
        if (to.year != year || to.month != month) {
            // Through the owner, as the buttons go: pickers, "返回", notes.
            keyFocusDay = to.day;
            if (owner)
                owner->ShowMonth(to.year, to.month);
            else
                SetMonth(to.year, to.month, 0);
            keyFocusDay = 0;
        }
        focusDay = to.day;
    }
    ::InvalidateRect(hwnd_, nullptr, FALSE);
    ShowKeyTip();
    if (::GetFocus() == hwnd_) fw::NotifyFocus(hwnd_, focusDay);
}

void CMonthView::ShowFocusCues() {
    if (focusCues) return;
    focusCues = true;
    // The other windows of the dialog show their cues from now on too.
    ::SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    ::InvalidateRect(hwnd_, nullptr, FALSE);
}

LRESULT CMonthView::OnUpdateUiState(WPARAM wParam, LPARAM) {
    if (HIWORD(wParam) & UISF_HIDEFOCUS) {
        if (LOWORD(wParam) == UIS_CLEAR) focusCues = true;
        if (LOWORD(wParam) == UIS_SET) focusCues = false;
        ::InvalidateRect(hwnd_, nullptr, FALSE);
    }
    return Default();
}

LRESULT CMonthView::OnFocusChange(WPARAM, LPARAM) {
    // Reached by Tab: the keyboard is in use, whether or not the dialog
    // manager says so (Wine's does not).
    if (::GetFocus() == hwnd_ && ::GetKeyState(VK_TAB) < 0) ShowFocusCues();
    ::InvalidateRect(hwnd_, nullptr, FALSE);
    if (::GetFocus() == hwnd_ && focusDay != 0) fw::NotifyFocus(hwnd_, focusDay);
    return Default();
}

void CMonthView::ShowKeyTip() {
    if (focusDay < 1 || focusDay > dayCount) return;
    const RECT cell = DayCellRect(focusDay);
    // The tip's top sits the pointer gap below the point it is given: the cell's foot.
    ShowDayTip(focusDay, POINT{(cell.left + cell.right) / 2, cell.bottom - scale(kTipPointerGap)});
    keyTipShown = true;
    ::GetCursorPos(&keyTipPointer);
}

void CMonthView::EndKeyTip(POINT client) {
    if (!keyTipShown) return;
    POINT screen = client;
    ::ClientToScreen(hwnd_, &screen);
    // The system also sends a move, at the same place, when windows change.
    if (screen.x == keyTipPointer.x && screen.y == keyTipPointer.y) return;
    keyTipShown = false;
    HideDayTip();
}

void CMonthView::DrawFocusDay(HDC dc) {
    if (!focusCues || ::GetFocus() != hwnd_ || focusDay < 1 || focusDay > dayCount) return;
    RECT cell = DayCellRect(focusDay);
    ::InflateRect(&cell, -1, -1);
    ::SetTextColor(dc, plainDayColor);
    ::SetBkColor(dc, cellBackColor);
    ::DrawFocusRect(dc, &cell);
}

fw::AccessibleObject& CMonthView::ClientObject() {
    if (!accessible) accessible.reset(new GridAccessible(*this));
    return *accessible.get();
}

LRESULT CMonthView::OnGetObject(WPARAM wParam, LPARAM lParam) {
    if (!fw::AsksForClientObject(lParam)) return Default();
    return fw::ClientObjectResult(ClientObject(), wParam);
}

LRESULT CMonthView::OnOpenEditor(WPARAM day, LPARAM weekday) {
    if (editorOpen) return 0;
    if (day >= 1 && static_cast<int>(day) <= dayCount)
        RunDayEditor(static_cast<int>(day));
    else if (day == 0 && weekday >= 0 && weekday < kColumns)
        RunWeeklyEditor(static_cast<int>(weekday));
    return 0;
}

}  // namespace view
