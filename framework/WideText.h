// The window boundary's one pair of conversions: the program's narrow
// GB18030 text as the UTF-16 text of the system's wide ("W") calls, and
// back. Every text handed to or taken from a window goes through these, so
// a character outside GBK (an emoji, a rare name character) is kept.
#pragma once

#include <string>
#include <string_view>

namespace fw {

std::wstring WideText(std::string_view text);
std::string NarrowText(std::wstring_view text);

}  // namespace fw
