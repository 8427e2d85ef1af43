// Opening a web address in the user's browser: the program's only way of
// doing so. Tests put their own opener in place so that no browser starts.
#pragma once

#include <windows.h>

namespace fw {

using WebAddressOpener = void (*)(HWND owner, const char* address);

// ShellExecuteW(owner, "open", address, no parameters, no directory, SW_SHOW).
void OpenWebAddress(HWND owner, const char* address);

// Replaces the opener (null puts the system's back); returns the previous one.
WebAddressOpener SetWebAddressOpener(WebAddressOpener opener);

}  // namespace fw
