// CDayTipDlg: the borderless yellow popup that shows a day's notes in red
// next to the pointer. Made once by the month view, hidden or shown after.
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

    // Takes the text (or none), sizes the popup to it and places its
    // top-left corner at (x - width / 2 + 2, y + 12) of the screen point.
    // The caller shows or hides it.
    void ShowText(std::unique_ptr<char[]> text, std::size_t length, POINT screenPoint);

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
    void OnPaint();
    LRESULT OnEraseBkgnd(WPARAM, LPARAM);

    std::unique_ptr<char[]> tipText;
    std::size_t tipLength = 0;
    fw::CFont tipFont;
    COLORREF backColor = RGB(255, 255, 0);
    COLORREF textColor = RGB(255, 0, 0);
    int tipWidth = 0;
    int tipHeight = 0;
};

}  // namespace view
