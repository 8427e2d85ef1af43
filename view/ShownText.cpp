#include "view/ShownText.h"

namespace view {

std::string ShownText(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        // The prefix goes; the character after it (a second "&" too) stays.
        if (text[i] == '&' && ++i == text.size()) break;
        shown += text[i];
    }
    return shown;
}

}  // namespace view
