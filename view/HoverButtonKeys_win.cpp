// The hover buttons without a mouse: Enter or Space clicks the button that
// Tab reached.
#include "view/HoverButton.h"

namespace view {

LRESULT CHoverButton::OnGetDlgCode(WPARAM, LPARAM lParam) {
    // Enter clicks this button rather than the dialog's OK.
    const MSG* message = reinterpret_cast<const MSG*>(lParam);
    if (message && message->message == WM_KEYDOWN && message->wParam == VK_RETURN) return DLGC_WANTMESSAGE;
    return 0;
}

LRESULT CHoverButton::OnKeyDown(WPARAM key, LPARAM) {
    if (key != VK_RETURN && key != VK_SPACE) return Default();
    Click();
    return 0;
}

LRESULT CHoverButton::OnFocusChange(WPARAM, LPARAM) {
    ::InvalidateRect(hwnd_, nullptr, FALSE);  // the focus rectangle comes or goes
    return Default();
}

void CHoverButton::Click() { ::PostMessageW(::GetParent(hwnd_), WM_HOVERBUTTON_CLICK, id, 0); }

}  // namespace view
