#include "view/LabelWnd.h"

#include "framework/Dpi.h"
#include "base/WideText_win.h"
#include "view/ShownText.h"

#include <algorithm>

namespace view {

namespace {

SIZE ExtentOf(HDC dc, std::string_view piece) {
    // Measured in characters: a character of four bytes is one.
    const std::wstring wide = base::Gb18030ToWide(piece);
    SIZE size{};
    ::GetTextExtentPoint32W(dc, wide.data(), static_cast<int>(wide.size()), &size);
    return size;
}

}  // namespace

SIZE MeasureText(HDC dc, std::string_view text) {
    const LONG lineHeight = ExtentOf(dc, "a").cy;
    LONG lines = 1;
    LONG width = 0;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find("\r\n", start);
        const std::string_view piece = text.substr(start, end == std::string_view::npos ? end : end - start);
        if (!piece.empty()) width = std::max(width, ExtentOf(dc, piece).cx);
        if (end == std::string_view::npos) break;
        ++lines;
        start = end + 2;
    }
    return SIZE{width, lines * lineHeight};
}

BOOL CLabelWnd::Create(const RECT& r, fw::CWnd* parentWindow, UINT controlId, COLORREF backColour, COLORREF textColour,
                       int tenthsOfPoint, const char* faceName) {
    const char* className = RegisterWndClass(0, ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)));
    if (!CreateEx(0, className, "", WS_CHILD, r, parentWindow ? parentWindow->hwnd() : nullptr, controlId))
        return FALSE;
    rect = r;
    backColor = backColour;
    textColor = textColour;
    pointSize = tenthsOfPoint;
    face = faceName;
    font.CreatePointFont(pointSize, face.c_str(), fw::WindowDpi(hwnd_));
    parent = parentWindow;
    id = controlId;
    return TRUE;
}

void CLabelWnd::SetText(std::string_view s, BOOL show) {
    text.assign(s);
    autoSize = true;
    // Fitted now, so a control shown later appears at its final size.
    // Without a window there is nothing to repaint (a null window would
    // repaint the whole desktop).
    if (!hwnd_) return;
    // Also the window's own text, which a screen reader and GetWindowText read.
    fw::SetWindowTextOf(hwnd_, ShownText(text));
    {
        const fw::CClientDC dc(hwnd_);
        FitToText(dc.get());
    }
    ::InvalidateRect(hwnd_, nullptr, FALSE);
    if (show) ::ShowWindow(hwnd_, SW_SHOW);
}

void CLabelWnd::Rescale(const RECT& r, int dpi) {
    if (!hwnd_) return;
    font.CreatePointFont(pointSize, face.c_str(), dpi);
    rect = r;
    ::MoveWindow(hwnd_, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, FALSE);
    if (autoSize) {
        const fw::CClientDC dc(hwnd_);
        FitToText(dc.get());
    }
    ::InvalidateRect(hwnd_, nullptr, FALSE);
}

void CLabelWnd::ChangeTextColor(COLORREF colour) {
    textColor = colour;
    if (hwnd_) ::InvalidateRect(hwnd_, nullptr, FALSE);
}

void CLabelWnd::MoveTo(int x, int y) {
    rect = {x, y, x + (rect.right - rect.left), y + (rect.bottom - rect.top)};
    if (hwnd_) ::MoveWindow(hwnd_, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
}

void CLabelWnd::FitToText(HDC dc) {
    const fw::SelectGuard selected(dc, font.get());
    // What is drawn: "&&" shows as one "&".
    const SIZE size = MeasureText(dc, ShownText(text));
    if (rect.right - rect.left == size.cx && rect.bottom - rect.top == size.cy) return;
    ::MoveWindow(hwnd_, rect.left, rect.top, size.cx, size.cy, TRUE);
    rect.right = rect.left + size.cx;
    rect.bottom = rect.top + size.cy;
}

const fw::MessageMap* CLabelWnd::GetThisMessageMap() {
    static constexpr fw::MessageEntry entries[] = {
        fw::OnPaint<&CLabelWnd::OnPaint>(),
        fw::OnMessage<&CLabelWnd::OnEraseBkgnd>(WM_ERASEBKGND),
        fw::OnMessage<&CLabelWnd::OnGetObject>(WM_GETOBJECT),
    };
    static constexpr fw::MessageMap map{&CWnd::GetThisMessageMap, entries};
    return &map;
}

void CLabelWnd::OnPaint() {
    const fw::CPaintDC dc(hwnd_);
    if (autoSize) FitToText(dc.get());
    RECT client;
    ::GetClientRect(hwnd_, &client);
    ::SetBkColor(dc.get(), backColor);
    ::SetTextColor(dc.get(), textColor);
    const fw::SelectGuard selected(dc.get(), font.get());
    // Format 0: top-left, lines broken only at "\r\n", "&" underlines the next character.
    const std::wstring wide = base::Gb18030ToWide(text);
    ::DrawTextW(dc.get(), wide.data(), static_cast<int>(wide.size()), &client, 0);
    // Only a button reached by Tab has the focus: it shows where the keys are.
    if (::GetFocus() == hwnd_) ::DrawFocusRect(dc.get(), &client);
}

LRESULT CLabelWnd::OnEraseBkgnd(WPARAM, LPARAM) { return Default(); }

}  // namespace view
