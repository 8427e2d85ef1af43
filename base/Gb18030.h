// GB18030 (code page 54936), the narrow text inside the program: one byte
// for ASCII, the GBK bytes for every GBK character, so every file written
// with GBK reads the same, and four bytes for every other character, so no
// character a user types is lost. Damaged text never stops a conversion:
// bytes that are no character become U+FFFD, one character's worth at a time.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace base {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

struct DecodedCharacter {
    char32_t code = kReplacementCharacter;
    std::size_t length = 1;  // bytes it takes: 1, 2 or 4 (0 past the end)
    friend bool operator==(const DecodedCharacter&, const DecodedCharacter&) = default;
};

// The character that starts at byte `offset`, read no further than the end
// of `text`. A lead byte whose character is cut off or malformed is one
// U+FFFD of length 1; a pair or four-byte form that is well formed but has
// no character is one U+FFFD of its whole length; at or past the end there
// is none, of length 0.
DecodedCharacter DecodeGb18030(std::string_view text, std::size_t offset);

// The GB18030 bytes of `code` appended to `out`. The euro sign keeps GBK's
// one byte 0x80; a code with no form (a surrogate, past U+10FFFF, or one
// of the 24 private-use codes whose forms went to standard characters)
// appends U+FFFD's.
void AppendGb18030(std::string& out, char32_t code);

// The window boundary's pair: UTF-16 in and out, where a lone surrogate
// becomes U+FFFD.
std::u16string Gb18030ToUtf16(std::string_view text);
std::string Utf16ToGb18030(std::u16string_view text);

std::string Gb18030ToUtf8(std::string_view text);
// The UTF-8 bytes of `code` appended to `out`.
void AppendUtf8(std::string& out, char32_t code);

// Character boundaries, for cutting text without splitting a character:
// the byte length of the character at `offset` (as DecodeGb18030 steps),
// how many characters the text holds, and the longest prefix, in bytes, of
// at most `maxBytes` bytes or at most `maxCharacters` characters.
std::size_t Gb18030CharacterLength(std::string_view text, std::size_t offset);
std::size_t Gb18030CharacterCount(std::string_view text);
std::size_t Gb18030PrefixOfBytes(std::string_view text, std::size_t maxBytes);
std::size_t Gb18030PrefixOfCharacters(std::string_view text, std::size_t maxCharacters);

}  // namespace base
