#include "news/Headline.h"

namespace news {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\r' || c == '\n' || c == '\t'; }

bool StartsWithIgnoringCase(std::string_view text, std::string_view lowerPrefix) {
    if (text.size() < lowerPrefix.size()) return false;
    for (std::size_t i = 0; i < lowerPrefix.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != lowerPrefix[i]) return false;
    }
    return true;
}

bool IsForbiddenInLink(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte <= 0x20 || byte == 0x7F || c == '"';
}

}  // namespace

std::optional<Headline> ParseHeadline(std::string_view body) {
    std::size_t start = 0;
    while (start < body.size() && IsBlank(body[start])) ++start;
    if (start == body.size() || body[start] != '*') return std::nullopt;

    const std::string_view rest = body.substr(start + 1);
    const std::size_t tab = rest.find('\t');
    if (tab == std::string_view::npos) return std::nullopt;
    return Headline{std::string(rest.substr(0, tab)), std::string(rest.substr(tab + 1))};
}

bool IsOpenableLink(std::string_view link) {
    std::size_t schemeLength = 0;
    if (StartsWithIgnoringCase(link, "http://")) {
        schemeLength = 7;
    } else if (StartsWithIgnoringCase(link, "https://")) {
        schemeLength = 8;
    } else {
        return false;
    }
    if (link.size() == schemeLength) return false;
    for (char c : link) {
        if (IsForbiddenInLink(c)) return false;
    }
    return true;
}

}  // namespace news
