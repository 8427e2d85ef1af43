// GB18030 text: the window boundary's UTF-16 pair, UTF-8 for the export, and
// character boundaries. Narrow literals here are GBK bytes; every form of a
// character outside GBK is written out as the C library's converter gives it.
#include "base/Gb18030.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace std::string_literals;

const std::string kReplacementForm = "\x84\x31\xA4\x37";  // U+FFFD
const std::string kCake = "\x94\x39\xBC\x38";             // U+1F382
const std::string kJi = "\x95\x34\xB2\x35";               // U+20BB7

std::string Hex(std::string_view bytes) {
    std::string hex;
    for (const char c : bytes) hex += "0123456789ABCDEF"[(c >> 4) & 0xF], hex += "0123456789ABCDEF"[c & 0xF];
    return hex;
}

TEST(Gb18030, ReadsEveryFormAndReplacesWhatIsNone) {
    struct Case {
        std::string text;
        std::u16string utf16;
    };
    const Case cases[] = {
        {"", u""},
        {"abc 1;\r\n", u"abc 1;\r\n"},
        {"农历三十，闰六月", u"农历三十，闰六月"},
        {"\x80", u"€"},                  // GBK's euro byte
        {"\xA2\xE3", u"€"},              // and GB18030's own form
        {kCake + "生日", u"\U0001F382生日"},
        {kJi, u"\U00020BB7"},
        {"\xFE\x9F", u"䶮"},             // a pair beyond GBK
        {"\xFE\x51", u"\U00020087"},     // a pair outside the Basic Multilingual Plane
        {"\x81\x30\x81\x30", u"\u0080"},  // the first four-byte form
        {"\x84\x31\xA4\x39", u"\uFFFF"},
        {"\x90\x30\x81\x30", u"\U00010000"},
        {"\xE3\x32\x9A\x35", u"\U0010FFFF"},
        {"\xE3\x32\x9A\x36", u"\uFFFD"},  // past U+10FFFF: one character, none
        {"\x84\x31\xA5\x30", u"\uFFFD"},  // between the planes, unassigned
        {"\x84\x31\x82\x36", u"\uFFFD"},  // given to a pair since
        {"\x94\x39\xBC", u"\uFFFD9\uFFFD"},  // a four-byte form cut off
        {"\x81\x30\x81\x40", u"\uFFFD0丂"},  // malformed: the lead alone, then afresh
        {"\x81", u"\uFFFD"},
        {"\x81\x20z", u"\uFFFD z"},
        {"\xA1\x7F", u"\uFFFD\x7F"},
        {"\xFF\xA1", u"\uFFFD\uFFFD"},
        {"\0a"s, u"\0a"s},
    };
    for (const Case& c : cases) EXPECT_EQ(base::Gb18030ToUtf16(c.text), c.utf16) << Hex(c.text);
}

TEST(Gb18030, WritesGbkBytesForGbkAndFourBytesForTheRest) {
    struct Case {
        std::u16string utf16;
        std::string text;
    };
    const Case cases[] = {
        {u"", ""},
        {u"abc\r\n", "abc\r\n"},
        {u"农历三十，闰六月", "农历三十，闰六月"},
        {u"€", "\x80"},  // as GBK writes it
        {u"\U0001F382生日", kCake + "生日"},
        {u"\U00020BB7", kJi},
        {u"䶮", "\xFE\x9F"},
        {u"\U00020087", "\xFE\x51"},
        {u"\u0080", "\x81\x30\x81\x30"},
        {u"\U0010FFFF", "\xE3\x32\x9A\x35"},
        {u"\uE78D", kReplacementForm},  // a private-use character without a form
        {u"\xD83C" u"a", kReplacementForm + "a"},             // a high surrogate alone
        {u"a\xDF82", "a" + kReplacementForm},                 // a low surrogate alone
        {u"\xDF82\xD83C", kReplacementForm + kReplacementForm},  // a pair the wrong way round
        {u"\xD83C", kReplacementForm},                        // cut off at the end
        {u"\0x"s, "\0x"s},
    };
    for (const Case& c : cases) EXPECT_EQ(Hex(base::Utf16ToGb18030(c.utf16)), Hex(c.text)) << Hex(c.text);
}

TEST(Gb18030, ToUtf8KeepsEveryCharacter) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"记事 1;", reinterpret_cast<const char*>(u8"记事 1;")},
        {kCake + kJi + "\x80", "\xF0\x9F\x8E\x82\xF0\xA0\xAE\xB7\xE2\x82\xAC"},
        {"\xFE\x9F", "\xE4\xB6\xAE"},
        {"\x81\x30", "\xEF\xBF\xBD" "0"},
    };
    for (const auto& [text, utf8] : cases) EXPECT_EQ(Hex(base::Gb18030ToUtf8(text)), Hex(utf8)) << Hex(text);
}

TEST(Gb18030, CharacterBoundariesNeverSplitACharacter) {
    const std::string text = "a农" + kCake + "b\x81";  // 1, 2, 4, 1 and 1 (a lead alone) bytes
    struct Case {
        std::size_t limit, prefixOfBytes, prefixOfCharacters;
    };
    const Case cases[] = {
        {0, 0, 0}, {1, 1, 1}, {2, 1, 3}, {3, 3, 7}, {4, 3, 8}, {6, 3, 9}, {7, 7, 9}, {8, 8, 9}, {99, 9, 9},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(base::Gb18030PrefixOfBytes(text, c.limit), c.prefixOfBytes) << c.limit;
        EXPECT_EQ(base::Gb18030PrefixOfCharacters(text, c.limit), c.prefixOfCharacters) << c.limit;
    }
    const std::pair<std::size_t, std::size_t> lengths[] = {{0, 1}, {1, 2}, {3, 4}, {7, 1}, {8, 1}, {9, 0}, {20, 0}};
    for (const auto& [offset, length] : lengths) EXPECT_EQ(base::Gb18030CharacterLength(text, offset), length) << offset;
    EXPECT_EQ(base::Gb18030CharacterCount(text), 5u);
    EXPECT_EQ(base::Gb18030CharacterCount(""), 0u);
}

// Every short string of the bytes that start or end forms, in a buffer of
// exactly its size, so that a read past the end stops the sanitizer build.
TEST(Gb18030, NeverReadsPastTheEnd) {
    const unsigned char bytes[] = {0x00, 0x30, 0x39, 0x40, 0x7F, 0x80, 0x81, 0x84, 0xA1, 0xE3, 0xFE, 0xFF};
    constexpr std::size_t n = sizeof bytes;
    for (std::size_t size = 1; size <= 4; ++size) {
        std::size_t combinations = 1;
        for (std::size_t i = 0; i < size; ++i) combinations *= n;
        for (std::size_t k = 0; k < combinations; ++k) {
            std::vector<char> buffer;
            buffer.reserve(size);
            for (std::size_t i = 0, rest = k; i < size; ++i, rest /= n) buffer.push_back(static_cast<char>(bytes[rest % n]));
            const std::string_view text(buffer.data(), buffer.size());
            std::size_t offset = 0;
            while (offset < text.size()) {
                const base::DecodedCharacter c = base::DecodeGb18030(text, offset);
                ASSERT_TRUE(c.length == 1 || c.length == 2 || c.length == 4) << Hex(text);
                ASSERT_LE(offset + c.length, text.size()) << Hex(text);
                offset += c.length;
            }
            const std::u16string utf16 = base::Gb18030ToUtf16(text);
            EXPECT_EQ(base::Gb18030ToUtf16(base::Utf16ToGb18030(utf16)), utf16) << Hex(text);
        }
    }
}

}  // namespace
