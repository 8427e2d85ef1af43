#include "view/DayTipDlg.h"

#include "framework/Dpi.h"
#include "base/WideText_win.h"
#include "framework/WorkArea.h"
#include "view/DayTipPlacement.h"
#include "view/LabelWnd.h"

#include <string_view>

namespace view {

namespace {

constexpr int kTipFontHeight = 15;

}  // namespace

bool CDayTipDlg::Create(fw::CWnd* parent) {
    if (!tipFont) UseDpi(fw::WindowDpi(parent ? parent->hwnd() : nullptr));
    return fw::CDialog::Create(IDD_DAY_TIP, parent);
}

void CDayTipDlg::UseDpi(int dpi) {
    if (tipFont && dpi == tipDpi) return;
    tipDpi = dpi;
    tipFont.CreateFont(base::ScaleToDpi(kTipFontHeight, dpi), 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "宋体");
}

void CDayTipDlg::ShowText(std::unique_ptr<char[]> text, std::size_t length, POINT screenPoint) {
    tipText = std::move(text);
    tipLength = tipText ? length : 0;
    if (!hwnd_) return;
    const std::string_view shown(tipText ? tipText.get() : "", tipLength);
    // Also the popup's own text, which a screen reader reads; no frame shows it.
    fw::SetWindowTextOf(hwnd_, shown);

    const fw::CClientDC dc(hwnd_);
    const fw::SelectGuard selected(dc.get(), tipFont.get());
    const SIZE size = MeasureText(dc.get(), shown);
    tipWidth = size.cx;
    tipHeight = size.cy;
    const base::ScreenRect placed = PlaceDayTip(screenPoint.x, screenPoint.y, tipWidth, tipHeight,
                                                fw::WorkAreaOf(Parent() ? Parent()->hwnd() : hwnd_), {tipDpi});
    ::MoveWindow(hwnd_, placed.left, placed.top, tipWidth, tipHeight, TRUE);
    ::InvalidateRect(hwnd_, nullptr, FALSE);
}

void CDayTipDlg::ShowOnTop() {
    ::SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

const fw::MessageMap* CDayTipDlg::GetThisMessageMap() {
    static constexpr fw::MessageEntry entries[] = {
        fw::OnPaint<&CDayTipDlg::OnPaint>(),
        fw::OnMessage<&CDayTipDlg::OnEraseBkgnd>(WM_ERASEBKGND),
        fw::OnMessage<&CDayTipDlg::OnNcHitTest>(WM_NCHITTEST),
    };
    static constexpr fw::MessageMap map{&fw::CDialog::GetThisMessageMap, entries};
    return &map;
}

void CDayTipDlg::OnPaint() {
    const fw::CPaintDC dc(hwnd_);
    const fw::SelectGuard selected(dc.get(), tipFont.get());
    RECT area;
    ::GetClientRect(hwnd_, &area);
    area.bottom = area.top + tipHeight;
    fw::FillSolidRect(dc.get(), area, backColor);
    ::SetBkMode(dc.get(), TRANSPARENT);
    ::SetTextColor(dc.get(), textColor);
    // A note's "&" is its own character, as MeasureText counted it.
    const std::wstring wide = base::Gb18030ToWide(std::string_view(tipText ? tipText.get() : "", tipLength));
    ::DrawTextW(dc.get(), wide.data(), static_cast<int>(wide.size()), &area, DT_NOPREFIX);
}

// The pointer over the tip is over the grid: its clicks go there.
LRESULT CDayTipDlg::OnNcHitTest(WPARAM, LPARAM) { return HTTRANSPARENT; }

// The paint covers the whole popup; erasing first would only flicker.
LRESULT CDayTipDlg::OnEraseBkgnd(WPARAM, LPARAM) { return TRUE; }

}  // namespace view
