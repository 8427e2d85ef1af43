#include "news/Headline.h"

#include "base/AsciiText.h"
#include "base/Gb18030.h"

namespace news {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\r' || c == '\n' || c == '\t'; }

bool IsForbiddenInLink(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte <= 0x20 || byte == 0x7F || c == '"';
}

}  // namespace

std::string_view CapHeadlineBody(std::string_view body) {
    return body.substr(0, base::Gb18030PrefixOfBytes(body, kHeadlineBodyCapacity));
}

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
    if (base::StartsWithIgnoringAsciiCase(link, "http://")) {
        schemeLength = 7;
    } else if (base::StartsWithIgnoringAsciiCase(link, "https://")) {
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
