// Registry numbers are decimal text read by their leading number.
#include "app/Settings.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

TEST(LeadingDecimalParse, ReadsTheNumberTheTextStartsWith) {
    struct Case {
        const char* text;
        int expected;
    };
    const Case cases[] = {
        {"0", 0},
        {"500", 500},
        {"-15", -15},
        {"-20", -20},
        {"+7", 7},
        {"01", 1},
        {"1 ", 1},
        {"007", 7},
        {"12abc", 12},
        {"3.9", 3},
        {"-0", 0},
        {"1-2", 1},
        // Nothing numeric at the start gives 0.
        {"", 0},
        {"abc", 0},
        {"-", 0},
        {"+", 0},
        {"--5", 0},
        {"+-5", 0},
        {" 7", 0},
        {"0x10", 0},
        {"\xA3\xB1", 0},  // a full-width 1 in GBK
    };
    for (const Case& c : cases) EXPECT_EQ(app::ParseLeadingDecimal(c.text), c.expected) << '"' << c.text << '"';
    EXPECT_EQ(app::ParseLeadingDecimal(nullptr), 0);
}

TEST(LeadingDecimalParse, NumbersBeyondTheIntRangeSaturate) {
    struct Case {
        std::string text;
        int expected;
    };
    const Case cases[] = {
        {"2147483647", INT_MAX},
        {"2147483648", INT_MAX},
        {"2147483650", INT_MAX},
        {"99999999999", INT_MAX},
        {"4294967296", INT_MAX},  // would wrap to 0 in 32 bits
        {"4294967297", INT_MAX},  // would wrap to 1
        {std::string(400, '9'), INT_MAX},
        {"-2147483648", INT_MIN},
        {"-2147483649", INT_MIN},
        {"-99999999999", INT_MIN},
        {"-" + std::string(400, '9'), INT_MIN},
        {"00000000000000000000042", 42},
        {"99999999999x", INT_MAX},
    };
    for (const Case& c : cases) EXPECT_EQ(app::ParseLeadingDecimal(c.text.c_str()), c.expected) << c.text;
}

}  // namespace
