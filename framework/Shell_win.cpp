#include "framework/Shell.h"

#include "base/WideText_win.h"

#include <shellapi.h>

namespace fw {

namespace {

void OpenWithShell(HWND owner, const char* address) {
    ::ShellExecuteW(owner, L"open", base::Gb18030ToWide(address ? address : "").c_str(), nullptr, nullptr, SW_SHOW);
}

WebAddressOpener opener = &OpenWithShell;

}  // namespace

void OpenWebAddress(HWND owner, const char* address) { opener(owner, address); }

WebAddressOpener SetWebAddressOpener(WebAddressOpener replacement) {
    const WebAddressOpener previous = opener;
    opener = replacement ? replacement : &OpenWithShell;
    return previous;
}

}  // namespace fw
