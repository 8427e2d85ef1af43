#include "framework/WideText.h"

#include "base/Gb18030.h"

namespace fw {

// MinGW's wchar_t is the system's UTF-16 code unit.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

std::wstring WideText(std::string_view text) {
    const std::u16string wide = base::Gb18030ToUtf16(text);
    return std::wstring(wide.begin(), wide.end());
}

std::string NarrowText(std::wstring_view text) {
    const std::u16string wide(text.begin(), text.end());
    return base::Utf16ToGb18030(wide);
}

}  // namespace fw
