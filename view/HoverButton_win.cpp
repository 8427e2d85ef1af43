#include "view/HoverButton.h"

namespace view {

BOOL CHoverButton::Create(const RECT& r, fw::CWnd* parentWindow, UINT controlId, COLORREF backColour,
                          COLORREF textColour, int pointSize, const char* face) {
    savedColor = textColour;
    return CLabelWnd::Create(r, parentWindow, controlId, backColour, textColour, pointSize, face);
}

const fw::MessageMap* CHoverButton::GetThisMessageMap() {
    static constexpr fw::MessageEntry entries[] = {
        fw::OnMouse<&CHoverButton::OnMouseMove>(WM_MOUSEMOVE),
        fw::OnMouse<&CHoverButton::OnLButtonUp>(WM_LBUTTONUP),
    };
    static constexpr fw::MessageMap map{&CLabelWnd::GetThisMessageMap, entries};
    return &map;
}

void CHoverButton::OnMouseMove(UINT, POINT point) {
    if (::GetCapture() != hwnd_) {
        ::SetCapture(hwnd_);
        if (!hovering) {
            savedColor = textColor;
            textColor = HOVER_TEXT_COLOR;
            ::InvalidateRect(hwnd_, nullptr, TRUE);
            hovering = true;
        }
    } else {
        RECT screen;
        ::GetWindowRect(hwnd_, &screen);
        ::ClientToScreen(hwnd_, &point);
        if (!::PtInRect(&screen, point)) {
            ::ReleaseCapture();
            hovering = false;
            textColor = savedColor;
            ::InvalidateRect(hwnd_, nullptr, TRUE);
        }
    }
    Default();
}

void CHoverButton::OnLButtonUp(UINT, POINT) {
    ::ReleaseCapture();
    hovering = false;
    textColor = savedColor;
    ::PostMessageA(::GetParent(hwnd_), WM_HOVERBUTTON_CLICK, id, 0);
    Default();
}

}  // namespace view
