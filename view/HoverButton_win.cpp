#include "view/HoverButton.h"

namespace view {

namespace {

// While hovered the button looks for the pointer this often: a pointer that
// leaves straight onto another program's window sends us no further move.
constexpr UINT_PTR kPointerCheckTimerId = 1;
constexpr UINT kPointerCheckMs = 100;

}  // namespace

BOOL CHoverButton::Create(const RECT& r, fw::CWnd* parentWindow, UINT controlId, COLORREF backColour,
                          COLORREF textColour, int points, const char* faceName) {
    savedColor = textColour;
    if (!CLabelWnd::Create(r, parentWindow, controlId, backColour, textColour, points, faceName)) return FALSE;
    ::SetWindowLongW(hwnd_, GWL_STYLE, ::GetWindowLongW(hwnd_, GWL_STYLE) | WS_TABSTOP);
    return TRUE;
}

const fw::MessageMap* CHoverButton::GetThisMessageMap() {
    static constexpr fw::MessageEntry entries[] = {
        fw::OnMouse<&CHoverButton::OnMouseMove>(WM_MOUSEMOVE),
        fw::OnMouse<&CHoverButton::OnLButtonUp>(WM_LBUTTONUP),
        fw::OnTimer<&CHoverButton::OnTimer>(),
        fw::OnMessage<&CHoverButton::OnGetDlgCode>(WM_GETDLGCODE),
        fw::OnMessage<&CHoverButton::OnKeyDown>(WM_KEYDOWN),
        fw::OnMessage<&CHoverButton::OnFocusChange>(WM_SETFOCUS),
        fw::OnMessage<&CHoverButton::OnFocusChange>(WM_KILLFOCUS),
    };
    static constexpr fw::MessageMap map{&CLabelWnd::GetThisMessageMap, entries};
    return &map;
}

bool CHoverButton::PointerOver() const {
    POINT pointer{};
    return ::GetCursorPos(&pointer) && PointerOver(pointer);
}

bool CHoverButton::PointerOver(POINT screen) const {
    // The button's rectangle is not enough: another window (one kept on top,
    // the memo pad) may cover it there.
    return ::WindowFromPoint(screen) == hwnd_;
}

void CHoverButton::OnMouseMove(UINT, POINT point) {
    ::ClientToScreen(hwnd_, &point);
    if (!PointerOver(point)) {
        EndHover();
    } else if (::GetCapture() != hwnd_) {
        ::SetCapture(hwnd_);
        if (!hovering) {
            savedColor = textColor;
            textColor = HOVER_TEXT_COLOR;
            ::InvalidateRect(hwnd_, nullptr, TRUE);
            hovering = true;
            ::SetTimer(hwnd_, kPointerCheckTimerId, kPointerCheckMs, nullptr);
        }
    }
    Default();
}

void CHoverButton::OnTimer(UINT_PTR timerId) {
    if (timerId != kPointerCheckTimerId) {
        Default();
        return;
    }
    if (!PointerOver()) EndHover();
}

void CHoverButton::EndHover() {
    ::KillTimer(hwnd_, kPointerCheckTimerId);
    if (::GetCapture() == hwnd_) ::ReleaseCapture();
    if (!hovering) return;
    hovering = false;
    textColor = savedColor;
    ::InvalidateRect(hwnd_, nullptr, TRUE);
}

void CHoverButton::OnLButtonUp(UINT, POINT) {
    EndHover();
    Click();
    Default();
}

}  // namespace view
