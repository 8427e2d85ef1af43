// Reading the headline out of a news body: "*", the link up to the first
// TAB, the title to the end.
#include "news/Headline.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace news;

struct Case {
    const char* name;
    std::string body;
    const char* link;   // nullptr: no headline
    const char* title;  // when there is a headline
};

TEST(HeadlineParse, Bodies) {
    const Case cases[] = {
        {"plain", "*http://a.example/1\t今日新闻", "http://a.example/1", "今日新闻"},
        {"blanks and line breaks before the star", " \r\n\t \n*L\tT", "L", "T"},
        {"trailing CR LF stays in the title", "*L\tT\r\n", "L", "T\r\n"},
        {"only the first TAB splits", "*L\tT1\tT2", "L", "T1\tT2"},
        {"title of only CR LF", "*L\t\r\n", "L", "\r\n"},
        {"empty title", "*L\t", "L", ""},
        {"empty link", "*\tT", "", "T"},
        {"spaces inside the link are kept", "* L \tT", " L ", "T"},
        {"blanks after the star belong to the link", "*\r\nL\tT", "\r\nL", "T"},
        {"a second star is part of the link", "**L\tT", "*L", "T"},
        {"GBK bytes in the title", "*L\t\xB0\xA1\xB0\xA2", "L", "\xB0\xA1\xB0\xA2"},
        {"no star", "L\tT", nullptr, nullptr},
        {"text before the star", "x*L\tT", nullptr, nullptr},
        {"star without TAB", "*http://a.example/", nullptr, nullptr},
        {"star without TAB, line break instead", "*L\r\nT", nullptr, nullptr},
        {"only a star", "*", nullptr, nullptr},
        {"only blanks", " \r\n\t", nullptr, nullptr},
        {"empty body", "", nullptr, nullptr},
        {"vertical tab is not a blank", "\v*L\tT", nullptr, nullptr},
        {"zero byte before the star", std::string("\0*L\tT", 5), nullptr, nullptr},
    };
    for (const Case& c : cases) {
        const std::optional<Headline> headline = ParseHeadline(c.body);
        if (c.link == nullptr) {
            EXPECT_FALSE(headline.has_value()) << c.name;
            continue;
        }
        ASSERT_TRUE(headline.has_value()) << c.name;
        EXPECT_EQ(headline->link, c.link) << c.name;
        EXPECT_EQ(headline->title, c.title) << c.name;
    }
}

TEST(HeadlineParse, TitleRunsToTheEndOfTheBodyPastZeroBytes) {
    const std::optional<Headline> headline = ParseHeadline(std::string("*L\tA\0B", 6));
    ASSERT_TRUE(headline.has_value());
    EXPECT_EQ(headline->title, std::string("A\0B", 3));
}

TEST(HeadlineParse, ReadsOnlyTheLengthGiven) {
    // The TAB lies beyond the body's length, so the body has no headline.
    const char memory[] = "*http://a.example/\tTitle";
    EXPECT_FALSE(ParseHeadline(std::string_view(memory, 18)).has_value());
    const std::optional<Headline> cut = ParseHeadline(std::string_view(memory, 21));
    ASSERT_TRUE(cut.has_value());
    EXPECT_EQ(cut->title, "Ti");
}

TEST(HeadlineParse, TheCapacityNeverCutsACharacter) {
    const std::string cake = "\x94\x39\xBC\x38";  // U+1F382
    const std::string head = "*L\t";
    struct Kept {
        std::string body;
        std::size_t kept;
    };
    const Kept cases[] = {
        {head + std::string(kHeadlineBodyCapacity - head.size(), 'a'), kHeadlineBodyCapacity},
        {head + std::string(kHeadlineBodyCapacity, 'a'), kHeadlineBodyCapacity},
        {head + std::string(kHeadlineBodyCapacity - head.size() - 4, 'a') + cake + "b", kHeadlineBodyCapacity},
        {head + std::string(kHeadlineBodyCapacity - head.size() - 3, 'a') + cake, kHeadlineBodyCapacity - 3},
        {head + std::string(kHeadlineBodyCapacity - head.size() - 1, 'a') + cake, kHeadlineBodyCapacity - 1},
        {head + std::string(kHeadlineBodyCapacity - head.size() - 1, 'a') + "\xC4\xEA", kHeadlineBodyCapacity - 1},
        {head + "\xC4\xEA" + cake, head.size() + 6},
        {"", 0},
    };
    for (const Kept& c : cases) EXPECT_EQ(CapHeadlineBody(c.body), c.body.substr(0, c.kept)) << c.kept;
}

}  // namespace
