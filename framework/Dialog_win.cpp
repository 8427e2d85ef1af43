#include "framework/Dialog.h"

#include "framework/LiveCounts.h"
#include "framework/WorkArea.h"

#include <utility>

namespace fw {

namespace {

HWND HandleOf(CWnd* window) { return window ? window->hwnd() : nullptr; }

// Messages whose dialog-procedure result is the answer itself rather than
// "handled" (the answer then goes in DWLP_MSGRESULT).
bool AnswersDirectly(UINT message) {
    switch (message) {
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
        case WM_COMPAREITEM:
        case WM_VKEYTOITEM:
        case WM_CHARTOITEM:
        case WM_QUERYDRAGICON:
        case WM_INITDIALOG: return true;
        default: return false;
    }
}

}  // namespace

void DDX_Text(CDataExchange& dx, int controlId, std::string& value) {
    const HWND control = dx.dialog.GetDlgItem(controlId);
    if (!control) return;
    if (dx.saveAndValidate) {
        value = WindowTextOf(control);
    } else {
        SetWindowTextOf(control, value);
    }
}

void DDX_Control(CDataExchange& dx, int controlId, CWnd& control) {
    if (!control.hwnd()) control.Attach(dx.dialog.GetDlgItem(controlId));
}

INT_PTR CDialog::DoModal() {
    modal_ = true;
    const INT_PTR result = ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_),
                                             HandleOf(parent_), &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    modal_ = false;
    return result;
}

bool CDialog::Create(UINT templateId, CWnd* parent) {
    templateId_ = templateId;
    parent_ = parent;
    modal_ = false;
    return ::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), HandleOf(parent),
                                &CDialog::DialogProc, reinterpret_cast<LPARAM>(this)) != nullptr;
}

void CDialog::EndDialog(int result) {
    if (!hwnd_) return;
    if (modal_)
        ::EndDialog(hwnd_, result);
    else
        ::ShowWindow(hwnd_, SW_HIDE);
}

bool CDialog::UpdateData(bool saveAndValidate) {
    CDataExchange dx{*this, saveAndValidate};
    DoDataExchange(dx);
    return true;
}

void CDialog::ScaleToDialogUnit(double pixelsPerUnit) {
    RECT units{0, 0, 1000, 1000};  // many units, for a precise ratio
    if (!::MapDialogRect(hwnd_, &units) || units.right <= 0 || units.bottom <= 0) return;
    const double fx = pixelsPerUnit * 1000.0 / units.right;
    const double fy = pixelsPerUnit * 1000.0 / units.bottom;
    const auto scaleX = [fx](LONG v) { return static_cast<int>(v * fx + 0.5); };
    const auto scaleY = [fy](LONG v) { return static_cast<int>(v * fy + 0.5); };

    for (HWND child = ::GetWindow(hwnd_, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        RECT r;
        ::GetWindowRect(child, &r);
        ::MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
        ::MoveWindow(child, scaleX(r.left), scaleY(r.top), scaleX(r.right - r.left), scaleY(r.bottom - r.top), FALSE);
    }
    RECT client;
    ::GetClientRect(hwnd_, &client);
    RECT frame{0, 0, scaleX(client.right), scaleY(client.bottom)};
    ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongW(hwnd_, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongW(hwnd_, GWL_EXSTYLE)));
    ::SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    KeepOnWorkArea(hwnd_);
    ::InvalidateRect(hwnd_, nullptr, TRUE);
}

const MessageMap* CDialog::GetThisMessageMap() {
    static constexpr MessageMap map{&CWnd::GetThisMessageMap, {}};
    return &map;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(false);
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(true)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

LRESULT CDialog::DefaultProcessing(UINT, WPARAM, LPARAM) {
    // The system's dialog code runs when the dialog procedure answers FALSE
    // (Default marked the message for it).
    return 0;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<CDialog*>(lParam);
        self->Bind(window, DWLP_USER);
        try {
            return self->OnInitDialog();
        } catch (...) {
            detail::ExceptionCaught();
            return TRUE;
        }
    }
    auto* self = reinterpret_cast<CDialog*>(::GetWindowLongPtrW(window, DWLP_USER));
    if (!self) return FALSE;

    INT_PTR answer = FALSE;
    try {
        LRESULT result = 0;
        bool defaultRequested = false;
        if (self->Dispatch(message, wParam, lParam, result, defaultRequested)) {
            if (AnswersDirectly(message)) {
                answer = static_cast<INT_PTR>(result);
            } else if (!defaultRequested) {
                ::SetWindowLongPtrW(window, DWLP_MSGRESULT, result);
                answer = TRUE;
            }
        } else if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDOK) {
            self->OnOK();
            answer = TRUE;
        } else if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDCANCEL) {
            self->OnCancel();
            answer = TRUE;
        }
    } catch (...) {
        detail::ExceptionCaught();
        answer = FALSE;
    }
    if (message == WM_NCDESTROY) {
        self->Unbind();
        self->PostNcDestroy();
    }
    return answer;
}

}  // namespace fw
