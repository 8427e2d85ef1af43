// The shared ASCII text rules: case-insensitive comparison and decimal digits.
#include "base/AsciiText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string_view>

namespace {

TEST(AsciiText, CaseIsIgnoredForAsciiLettersOnly) {
    struct Case {
        std::string_view a, b;
        bool equal;
    };
    const Case cases[] = {
        {"Content-Length", "cONTENT-lENGTH", true},
        {"abc", "ab", false},
        {"@[`{", "`{@[", false},          // the bytes next to the letters are not letters
        {"\xC8\xD5", "\xE8\xF5", false},  // 0x20 apart, yet not ASCII letters
    };
    for (const Case& c : cases) EXPECT_EQ(base::EqualsIgnoringAsciiCase(c.a, c.b), c.equal) << c.a << " / " << c.b;
    EXPECT_FALSE(base::EndsWithIgnoringAsciiCase("invalid", ".invalid"));
    EXPECT_FALSE(base::StartsWithIgnoringAsciiCase("http:", "http://"));
}

TEST(AsciiText, GbkLeadBytesAre0x81To0xFE) {
    const struct {
        char byte;
        bool lead;
    } cases[] = {{'\x80', false}, {'\x81', true}, {'\xC8', true}, {'\xFE', true}, {'\xFF', false}, {'\\', false}};
    for (const auto& c : cases) EXPECT_EQ(base::IsGbkLeadByte(c.byte), c.lead) << int(c.byte & 0xFF);
}

TEST(AsciiText, DecimalDigitsStopAtTheFirstOtherByteAndSaturate) {
    constexpr std::uintmax_t kMax = std::numeric_limits<std::uintmax_t>::max();
    struct Case {
        std::string_view text;
        std::uintmax_t limit;
        std::size_t count;
        std::uintmax_t value;
    };
    const Case cases[] = {
        {"", 100, 0, 0},
        {"-5", 100, 0, 0},
        {"42 ", 100, 2, 42},
        {"100", 100, 3, 100},
        {"101", 100, 3, 100},
        {"5", 3, 1, 3},  // a digit above the limit on its own
        {"99999999999999999999999", kMax, 23, kMax},
    };
    for (const Case& c : cases) {
        const base::DecimalDigits read = base::ReadDecimalDigits(c.text, c.limit);
        EXPECT_EQ(read.count, c.count) << c.text;
        EXPECT_EQ(read.value, c.value) << c.text;
    }
}

}  // namespace
