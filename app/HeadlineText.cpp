#include "app/HeadlineText.h"

#include "base/AsciiText.h"

#include <vector>

namespace app {

namespace {

bool IsGbkTrail(unsigned char byte) { return byte >= 0x40 && byte <= 0xFE && byte != 0x7F; }

// Lengths at which the text may be cut, shortest first, excluding 0 and the
// whole text: a double-byte character is never split.
std::vector<std::size_t> CutPoints(std::string_view text) {
    std::vector<std::size_t> cuts;
    for (std::size_t i = 0; i < text.size();) {
        const bool pair =
            base::IsGbkLeadByte(text[i]) && i + 1 < text.size() && IsGbkTrail(static_cast<unsigned char>(text[i + 1]));
        i += pair ? 2 : 1;
        if (i < text.size()) cuts.push_back(i);
    }
    return cuts;
}

}  // namespace

std::string OneLineTitle(std::string_view gbkTitle) {
    std::string line;
    for (const char c : gbkTitle.substr(0, gbkTitle.find_first_of("\r\n"))) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7F) line += c;
    }
    return line;
}

std::string EscapeMnemonics(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        escaped += c;
        if (c == '&') escaped += '&';  // no GBK trail byte is '&'
    }
    return escaped;
}

std::string FitWithEllipsis(std::string_view gbkTitle, int maxWidth,
                            const std::function<int(std::string_view)>& measure) {
    const std::string line = OneLineTitle(gbkTitle);
    const std::string_view title = line;
    if (measure(title) <= maxWidth) return std::string(title);

    const auto withEllipsis = [&](std::size_t length) { return std::string(title.substr(0, length)) + kEllipsis; };
    // Widths grow with the prefix: find the longest that fits by halving.
    const std::vector<std::size_t> cuts = CutPoints(title);
    std::size_t fitting = 0;  // cuts[0 .. fitting) fit
    std::size_t low = 0, high = cuts.size();
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (measure(withEllipsis(cuts[middle])) <= maxWidth) {
            fitting = middle + 1;
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    if (fitting > 0) return withEllipsis(cuts[fitting - 1]);
    return measure(kEllipsis) <= maxWidth ? std::string(kEllipsis) : std::string();
}

}  // namespace app
