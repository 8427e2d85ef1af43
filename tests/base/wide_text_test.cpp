// The system's wide text against the narrow text inside: every GBK character
// keeps its bytes, a character outside the Basic Multilingual Plane is one
// surrogate pair, and broken input of either side becomes U+FFFD.
#include "base/WideText_win.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

TEST(WideText, CarriesEveryCharacterBothWays) {
    struct Case {
        std::string narrow;
        std::wstring wide;
    };
    const Case cases[] = {
        {"", L""},
        {"C:\\Users\\a.txt", L"C:\\Users\\a.txt"},
        {"C:\\users\\张伟\\Documents", L"C:\\users\\\u5F20\u4F1F\\Documents"},
        {"\x94\x39\xBC\x38生日", L"\xD83C\xDF82\u751F\u65E5"},  // U+1F382
        {"\x95\x34\xB2\x35", L"\xD842\xDFB7"},                  // U+20BB7
        {"\xFE\x9F", L"\u4DAE"},                                // beyond GBK, two bytes
        {"a\0b"s, L"a\0b"s},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(base::Gb18030ToWide(c.narrow), c.wide) << c.narrow;
        EXPECT_EQ(base::WideToGb18030(c.wide), c.narrow) << c.narrow;
    }
}

TEST(WideText, BrokenInputBecomesTheReplacementCharacter) {
    const std::string replacement = "\x84\x31\xA4\x37";  // U+FFFD
    EXPECT_EQ(base::Gb18030ToWide("\x94\x39\xBC"),
              L"\uFFFD"
              L"9\uFFFD");
    EXPECT_EQ(base::WideToGb18030(L"a\xD83C"), "a" + replacement);  // a lead surrogate at the end
    EXPECT_EQ(base::WideToGb18030(L"\xDF82z"), replacement + "z");  // a trail alone
}

}  // namespace
