// What a label shows of its text: the system draws "&x" as an underlined x
// and "&&" as one "&".
#pragma once

#include <string>
#include <string_view>

namespace view {

// `text` without its mnemonic prefixes, as it is drawn: each "&&" becomes
// "&", any other "&" is dropped (its next character stays).
std::string ShownText(std::string_view text);

}  // namespace view
