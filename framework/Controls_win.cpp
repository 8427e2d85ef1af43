#include "framework/Controls.h"

#include "base/WideText_win.h"

#include <commdlg.h>

namespace fw {

int CComboBox::AddString(const char* text) const {
    const std::wstring wide = base::Gb18030ToWide(text ? text : "");
    return static_cast<int>(::SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str())));
}

int CComboBox::GetCount() const { return static_cast<int>(::SendMessageW(hwnd_, CB_GETCOUNT, 0, 0)); }

int CComboBox::GetCurSel() const { return static_cast<int>(::SendMessageW(hwnd_, CB_GETCURSEL, 0, 0)); }

int CComboBox::SetCurSel(int index) const {
    return static_cast<int>(::SendMessageW(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(index), 0));
}

std::string CComboBox::GetLBText(int index) const {
    // Lengths in UTF-16 units, as the wide messages count them.
    const LRESULT length = ::SendMessageW(hwnd_, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT got =
        ::SendMessageW(hwnd_, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(got == CB_ERR ? 0 : static_cast<std::size_t>(got));
    return base::WideToGb18030(text);
}

bool CStatic::Create(const char* text, DWORD style, const RECT& rect, HWND parent, UINT id) {
    const std::wstring wide = base::Gb18030ToWide(text ? text : "");
    const HWND made = ::CreateWindowExW(
        0, L"STATIC", wide.c_str(), style, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(static_cast<int>(id))), ::GetModuleHandleW(nullptr), nullptr);
    Attach(made);
    return made != nullptr;
}

void CStatic::SetFont(HFONT font) const { ::SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE); }

namespace {

// The chooser's library is loaded the first time a colour is chosen, not at
// every start of the program.
using ChooseColorFunction = BOOL(WINAPI*)(LPCHOOSECOLORW);

ChooseColorFunction ChooseColorEntry() {
    static const ChooseColorFunction entry = [] {
        const HMODULE library = ::LoadLibraryW(L"comdlg32.dll");
        return library ? reinterpret_cast<ChooseColorFunction>(
                             reinterpret_cast<void*>(::GetProcAddress(library, "ChooseColorW")))
                       : nullptr;
    }();
    return entry;
}

}  // namespace

CColorDialog::CColorDialog(COLORREF initial, DWORD flags, HWND parent)
    : initial_(initial), flags_(flags), parent_(parent), chosen_(initial) {}

INT_PTR CColorDialog::DoModal() {
    CHOOSECOLORW choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = parent_;
    choose.rgbResult = initial_;
    choose.lpCustColors = custom_.data();
    choose.Flags = flags_;
    const ChooseColorFunction chooseColor = ChooseColorEntry();
    if (!chooseColor || !chooseColor(&choose)) return IDCANCEL;
    chosen_ = choose.rgbResult;
    return IDOK;
}

}  // namespace fw
