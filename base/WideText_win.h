// The narrow text inside (GB18030) as the system's wide text and back, for
// every wide ("W") call at the window and file boundary. wchar_t is UTF-16
// on Windows, so these are base::Gb18030ToUtf16 and Utf16ToGb18030 in the
// system's own character type.
//
//     ::SetWindowTextW(window, base::Gb18030ToWide(caption).c_str());
//     std::string name = base::WideToGb18030(found.cFileName);
#pragma once

#include "base/Gb18030.h"

#include <string>
#include <string_view>

namespace base {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the system's wide text is UTF-16");

inline std::wstring Gb18030ToWide(std::string_view text) {
    const std::u16string utf16 = Gb18030ToUtf16(text);
    return std::wstring(utf16.begin(), utf16.end());
}

inline std::string WideToGb18030(std::wstring_view text) {
    return Utf16ToGb18030(std::u16string(text.begin(), text.end()));
}

}  // namespace base
