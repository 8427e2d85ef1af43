// CDayTipDlg: the borderless yellow popup that shows a day's notes in red
// next to the pointer. Made once by the month view, hidden or shown after;
// Enter, Esc and Alt+F4 leave it alone, and clicks go through it to the
// window under it.
#pragma once

#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "resources/resource_ids.h"

#include <cstddef>
#include <memory>

namespace view {

class CDayTipDlg : public fw::CDialog {
public:
    CDayTipDlg() : fw::CDialog(IDD_DAY_TIP) {}

    // Makes the popup (hidden) from its template with `parent` as owner.
    bool Create(fw::CWnd* parent);

    // Takes the text (or none, or note text with any "&" in it), sizes the
    // popup to it and places it by PlaceDayTip for the screen point, inside
    // the work area of the owner's monitor. The caller shows or hides it.
    // The text is the popup's window text too.
    void ShowText(std::unique_ptr<char[]> text, std::size_t length, POINT screenPoint);

    // The tip's text is drawn for `dpi` (its owner's) from now on.
    void UseDpi(int dpi);
    // Shows the tip above the calendar and the memo pad, which may have come
    // up over it while it was hidden (a shown pad, a closed editor handing
    // the activation back), without taking the activation: typing elsewhere
    // goes on while the tip shows.
    void ShowOnTop();

    int TipWidth() const { return tipWidth; }
    int TipHeight() const { return tipHeight; }

    static const fw::MessageMap* GetThisMessageMap();
    const fw::MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

protected:
    // The tip never takes the focus, not even while it is made.
    BOOL OnInitDialog() override {
        fw::CDialog::OnInitDialog();
        return FALSE;
    }
    void OnOK() override {}
    void OnCancel() override {}
    void OnPaint();
    LRESULT OnNcHitTest(WPARAM, LPARAM);
    LRESULT OnEraseBkgnd(WPARAM, LPARAM);

    std::unique_ptr<char[]> tipText;
    std::size_t tipLength = 0;
    fw::CFont tipFont;
    int tipDpi = 0;  // the DPI tipFont is made for
    COLORREF backColor = RGB(255, 255, 0);
    COLORREF textColor = RGB(255, 0, 0);
    int tipWidth = 0;
    int tipHeight = 0;
};

}  // namespace view
