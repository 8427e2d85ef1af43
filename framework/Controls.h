// The few standard controls the program uses, over their window messages.
#pragma once

#include "framework/Wnd.h"

#include <windows.h>

#include <array>
#include <string>

namespace fw {

class CComboBox : public CWnd {
public:
    int AddString(const char* text) const;
    int GetCount() const;
    int GetCurSel() const;  // CB_ERR when nothing is selected
    int SetCurSel(int index) const;
    std::string GetLBText(int index) const;
};

class CStatic : public CWnd {
public:
    // A static control of the system's class with the given text and style.
    bool Create(const char* text, DWORD style, const RECT& rect, HWND parent, UINT id);
    // WM_SETFONT with redraw.
    void SetFont(HFONT font) const;
};

// The common colour chooser.
class CColorDialog {
public:
    using CustomColours = std::array<COLORREF, 16>;

    CColorDialog(COLORREF initial, DWORD flags, HWND parent);
    // The table of custom colours the chooser shows; kept only for this dialog.
    void SetCustomColors(const CustomColours& colours) { custom_ = colours; }

    // IDOK when the user chose a colour, IDCANCEL otherwise.
    INT_PTR DoModal();
    COLORREF GetColor() const { return chosen_; }

private:
    COLORREF initial_;
    DWORD flags_;
    HWND parent_;
    CustomColours custom_{};
    COLORREF chosen_;
};

}  // namespace fw
