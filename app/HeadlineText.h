// The headline title as the bottom strip shows it: one line, "&" shown as it
// is, and cut with "..." so that it never covers the button beside it.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace app {

inline constexpr char kEllipsis[] = "...";

// The strip's label draws "&" as a mnemonic prefix; "&&" shows one "&".
std::string EscapeMnemonics(std::string_view text);

// A title is one line: it ends at its first CR or LF, and its other control
// characters (TAB, DEL, ...) are left out, since the label would draw them
// as boxes or breaks. No byte after a GB18030 lead byte is a control character.
std::string OneLineTitle(std::string_view title);

// The GB18030 title as one line (OneLineTitle): whole when `measure` says it
// fits `maxWidth`, else the longest prefix followed by "..." that fits,
// never ending inside a character; empty when not even "..."
// fits. `measure` gives the drawn width of a text as shown (unescaped).
std::string FitWithEllipsis(std::string_view gbkTitle, int maxWidth,
                            const std::function<int(std::string_view)>& measure);

}  // namespace app
