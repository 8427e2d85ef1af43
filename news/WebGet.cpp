#include "news/WebGet.h"

#include <cctype>

namespace news {

bool RedirectAllowed(std::string_view location) {
    constexpr std::string_view kScheme = "https://";
    if (location.size() <= kScheme.size()) return false;
    for (std::size_t i = 0; i < kScheme.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(location[i])) != kScheme[i]) return false;
    // A host must follow, and nothing that could end the header early.
    if (location[kScheme.size()] == '/') return false;
    for (const char c : location)
        if (static_cast<unsigned char>(c) <= ' ') return false;
    return true;
}

}  // namespace news
