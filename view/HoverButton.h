// CHoverButton: a label that acts as a link. Its text turns light red while
// the pointer is over it, and a left-button release on it posts
// WM_HOVERBUTTON_CLICK (wParam = its id, lParam = 0) to its parent. The
// colour goes also when the pointer leaves straight onto another program's
// window, which sends us no move, or when a window comes over the button.
// Tab reaches it, and Enter or Space clicks it then as the release does.
#pragma once

#include "view/LabelWnd.h"

namespace view {

inline constexpr UINT WM_HOVERBUTTON_CLICK = WM_USER + 101;
inline constexpr COLORREF HOVER_TEXT_COLOR = RGB(255, 64, 64);

// Message-table entries for the parent of hover buttons.
// void Handler(): a click on the hover button `id`.
template <auto Method>
constexpr fw::MessageEntry OnHoverButtonClick(UINT id) {
    return fw::OnControlMessage<Method>(WM_HOVERBUTTON_CLICK, id);
}
// void Handler(UINT id): a click that no entry before this one took.
template <auto Method>
constexpr fw::MessageEntry OnOtherHoverButtonClick() {
    return fw::OnAnyControlMessage<Method>(WM_HOVERBUTTON_CLICK);
}

class CHoverButton : public CLabelWnd {
public:
    BOOL Create(const RECT& rect, fw::CWnd* parent, UINT id, COLORREF backColour, COLORREF textColour, int pointSize,
                const char* face);

    bool Hovering() const { return hovering; }
    bool Clickable() const override { return true; }

    static const fw::MessageMap* GetThisMessageMap();
    const fw::MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

protected:
    void OnMouseMove(UINT flags, POINT point);
    void OnLButtonUp(UINT flags, POINT point);
    void OnTimer(UINT_PTR timerId);

    // The keyboard (HoverButtonKeys_win.cpp).
    LRESULT OnGetDlgCode(WPARAM, LPARAM);
    LRESULT OnKeyDown(WPARAM, LPARAM);
    LRESULT OnFocusChange(WPARAM, LPARAM);
    void Click();

    // The pointer (now, or at a screen point) is over the button: the window
    // under it is the button.
    bool PointerOver() const;
    bool PointerOver(POINT screen) const;
    void EndHover();

    bool hovering = false;
    COLORREF savedColor = 0;  // the colour to restore when hovering ends
};

}  // namespace view
