#include "framework/WinApp.h"

#include "base/WideText_win.h"

namespace fw {

namespace {

std::string ExecutableName() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::string name = base::WideToGb18030(std::wstring_view(path, length < MAX_PATH ? length : 0));
    const std::size_t slash = name.find_last_of("\\/");
    if (slash != std::string::npos) name.erase(0, slash + 1);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) name.erase(dot);
    return name;
}

}  // namespace

CWinApp* CWinApp::current_ = nullptr;

CWinApp::CWinApp() : appName_(ExecutableName()) { current_ = this; }

CWinApp::~CWinApp() {
    if (current_ == this) current_ = nullptr;
}

int CWinApp::Run() {
    if (!InitInstance()) return exitCode_;
    if (!m_pMainWnd || !m_pMainWnd->hwnd()) return 0;
    MSG message;
    // The wide loop: a character typed outside the system's code page
    // reaches the window as itself.
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

std::string AppName() { return CWinApp::Current() ? CWinApp::Current()->AppName() : ExecutableName(); }

int AfxMessageBox(const char* text, UINT type) {
    if ((type & MB_ICONMASK) == 0) type |= MB_ICONEXCLAMATION;
    return MessageBoxFor(::GetActiveWindow(), text, nullptr, type);
}

int MessageBoxFor(HWND owner, const char* text, const char* caption, UINT type) {
    const std::string name = caption ? std::string() : AppName();
    return ::MessageBoxW(owner, base::Gb18030ToWide(text ? text : "").c_str(), base::Gb18030ToWide(caption ? caption : name).c_str(), type);
}

}  // namespace fw
