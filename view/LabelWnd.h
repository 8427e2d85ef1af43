// CLabelWnd: a self-drawn text label with its own colours and point font,
// sized to its text; lines are separated by "\r\n". CHoverButton builds on it.
#pragma once

#include "framework/Accessible.h"
#include "framework/Gdi.h"
#include "framework/Wnd.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace view {

// The size of `text` in the font selected in `dc`: as wide as its widest
// line, and as many "a"-heights high as it has lines ("\r\n" separated).
SIZE MeasureText(HDC dc, std::string_view text);

class CLabelWnd : public fw::CWnd {
public:
    // Made hidden; `pointSize` is in tenths of a point, the font made for
    // the window's DPI. `rect` is in the parent's client pixels.
    BOOL Create(const RECT& rect, fw::CWnd* parent, UINT id, COLORREF backColour, COLORREF textColour, int pointSize,
                const char* face);

    // After a change to `dpi`: the font made again for it, the window's
    // top-left corner at `rect`'s (the parent's new layout) and its size
    // fitted to the text again.
    void Rescale(const RECT& rect, int dpi);

    // Replaces the text ("&" marks a mnemonic, "&&" shows one "&"), fits the
    // window to what it shows and repaints; shows the control when `show`
    // (it never hides it).
    void SetText(std::string_view s, BOOL show);
    void ChangeTextColor(COLORREF colour);
    // Puts the label's top-left corner at a point of its parent.
    void MoveTo(int x, int y);

    const std::string& Text() const { return text; }
    UINT ControlId() const { return id; }
    // What a screen reader calls the control when its text does not say it
    // (a colour button's "■"); empty: the text as shown.
    void SetAccessibleName(std::string name) { accessibleName = std::move(name); }
    const std::string& AccessibleName() const { return accessibleName; }
    // What WM_GETOBJECT hands out for the client area, made on first use
    // and owned by the window.
    fw::AccessibleObject& ClientObject();
    // Read as a push button, whose default action clicks it; else as text.
    virtual bool Clickable() const { return false; }
    COLORREF TextColor() const { return textColor; }

    static const fw::MessageMap* GetThisMessageMap();
    const fw::MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

protected:
    void OnPaint();
    LRESULT OnEraseBkgnd(WPARAM, LPARAM);
    LRESULT OnGetObject(WPARAM, LPARAM);  // LabelAccessible_win.cpp

    RECT rect{};
    std::string text;
    COLORREF textColor = 0;
    COLORREF backColor = 0;
    fw::CFont font;
    int pointSize = 0;
    std::string face;
    fw::CWnd* parent = nullptr;
    UINT id = 0;
    bool autoSize = false;
    std::string accessibleName;
    fw::UniqueAccessible accessible;

private:
    // Sizes the window to the text, keeping its top-left corner.
    void FitToText(HDC dc);
};

}  // namespace view
