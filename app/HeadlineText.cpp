#include "app/HeadlineText.h"

#include "base/Gb18030.h"

#include <vector>

namespace app {

namespace {


// Lengths at which the text may be cut, shortest first, excluding 0 and the
// whole text: a character of two or four bytes is never split.
std::vector<std::size_t> CutPoints(std::string_view text) {
    std::vector<std::size_t> cuts;
    for (std::size_t i = 0; i < text.size();) {
        i += base::Gb18030CharacterLength(text, i);
        if (i < text.size()) cuts.push_back(i);
    }
    return cuts;
}

}  // namespace

std::string OneLineTitle(std::string_view title) {
    std::string line;
    for (const char c : title.substr(0, title.find_first_of("\r\n"))) {
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
