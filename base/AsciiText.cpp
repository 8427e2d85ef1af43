#include "base/AsciiText.h"

namespace base {

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (ToLowerAscii(a[i]) != ToLowerAscii(b[i])) return false;
    }
    return true;
}

bool StartsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualsIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

bool EndsWithIgnoringAsciiCase(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && EqualsIgnoringAsciiCase(text.substr(text.size() - suffix.size()), suffix);
}

DecimalDigits ReadDecimalDigits(std::string_view text, std::uintmax_t limit) {
    DecimalDigits read;
    for (; read.count < text.size() && IsAsciiDigit(text[read.count]); ++read.count) {
        const auto digit = static_cast<std::uintmax_t>(text[read.count] - '0');
        // value * 10 + digit > limit, asked without overflowing
        const bool over = digit > limit || read.value > (limit - digit) / 10;
        read.value = over ? limit : read.value * 10 + digit;
    }
    return read;
}

}  // namespace base
