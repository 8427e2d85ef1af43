// The headline title as the bottom strip shows it: "&" shown as it is, and
// cut with "..." so that it never covers the button beside it.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace app {

inline constexpr char kEllipsis[] = "...";

// The strip's label draws "&" as a mnemonic prefix; "&&" shows one "&".
std::string EscapeMnemonics(std::string_view text);

// The GB18030 title without its trailing CR and LF: whole when `measure` says
// it fits `maxWidth`, else the longest prefix followed by "..." that fits,
// never ending inside a character; empty when not even "..."
// fits. `measure` gives the drawn width of a text as shown (unescaped).
std::string FitWithEllipsis(std::string_view gbkTitle, int maxWidth,
                            const std::function<int(std::string_view)>& measure);

}  // namespace app
