// ASCII rules for protocol and setting texts: digits, letter case and
// decimal numbers. Bytes outside ASCII (GBK included) only ever match
// themselves; the one GBK rule here tells where a two-byte character starts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace base {

constexpr bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

// The first byte of a two-byte GBK character. Its second byte may be ASCII
// (0x5C, '\\', among them), so GBK text is read a character at a time.
constexpr bool IsGbkLeadByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x81 && byte <= 0xFE;
}

constexpr char ToLowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Equal apart from the case of ASCII letters.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);
bool StartsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix);
bool EndsWithIgnoringAsciiCase(std::string_view text, std::string_view suffix);

struct DecimalDigits {
    std::size_t count = 0;     // digits read
    std::uintmax_t value = 0;  // their number, at most the limit asked for
};

// Reads the run of decimal digits at the start of `text` (no sign, no
// blanks). A number above `limit` reads as `limit`, so callers can tell
// "too large" without overflowing.
DecimalDigits ReadDecimalDigits(std::string_view text, std::uintmax_t limit);

}  // namespace base
