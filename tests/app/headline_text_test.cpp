// The headline title in the strip, and the memo pad's save warnings.
#include "app/HeadlineText.h"
#include "app/MemoAutosave.h"
#include "base/Gb18030.h"
#include "news/Headline.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

TEST(HeadlineText, EscapesAmpersands) { EXPECT_EQ(app::EscapeMnemonics("R&D && 新闻"), "R&&D &&&& 新闻"); }

TEST(HeadlineText, ATitleIsOneLineWithoutControlCharacters) {
    const char* const cases[][2] = {
        {"\xBD\xF1\xC8\xD5\r\n", "\xBD\xF1\xC8\xD5"},
        {"first\rsecond", "first"},
        {"first\nsecond\r\n", "first"},
        {"\r\nafter a leading break", ""},
        {"a\tb\x01\x1F\x7F c", "ab c"},
        {"\x81\x40\x81\x7E\xFE\xFE", "\x81\x40\x81\x7E\xFE\xFE"},  // double-byte characters stay whole
    };
    for (const auto& c : cases) EXPECT_EQ(app::OneLineTitle(c[0]), c[1]) << c[0];
    const auto byteWidth = [](std::string_view text) { return static_cast<int>(text.size()); };
    EXPECT_EQ(app::FitWithEllipsis("abc\ndefghijk", 5, byteWidth), "abc") << "measured as the one line shown";
}

TEST(HeadlineText, FitsWithEllipsisOnCharacterBoundaries) {
    const auto byteWidth = [](std::string_view text) { return static_cast<int>(text.size()); };
    const char* const cases[][3] = {
        {"short\r\n", "5", "short"},
        {"abcdefgh", "7", "abcd..."},
        {"\xC4\xEA\xC4\xEA\xC4\xEA\xC4\xEA", "8", "\xC4\xEA\xC4\xEA\xC4\xEA\xC4\xEA"},
        {"\xC4\xEA\xC4\xEA\xC4\xEA\xC4\xEA", "6", "\xC4\xEA..."},  // 7 would split a character
        {"a\x81q234", "5", "a..."},                                // "\x81q" is one character
        {"a\x81-234", "5", "a\x81..."},                            // a lead byte without a trail byte stands alone
        {"a\x94\x39\xBC\x38" "bcdef", "7", "a..."},  // the four bytes of U+1F382 are one character
        {"a\x94\x39\xBC\x38" "bcdef", "9", "a\x94\x39\xBC\x38" "b..."},
        {"abcdefgh", "3", "..."},
        {"abcdefgh", "2", ""}};
    for (const auto& c : cases) EXPECT_EQ(app::FitWithEllipsis(c[0], std::stoi(c[1]), byteWidth), c[2]) << c[0];
}

// From the fetched body to the label's UTF-16 text, as the strip shows it:
// characters outside GBK arrive whole, and a cut keeps them whole or leaves
// them out.
TEST(HeadlineText, CharactersOutsideGbkReachTheLabelWhole) {
    const std::string cake = "\x94\x39\xBC\x38";  // U+1F382
    const std::string ji = "\x95\x34\xB2\x35";    // U+20BB7
    const auto byteWidth = [](std::string_view text) { return static_cast<int>(text.size()); };
    struct Case {
        std::string title;
        int maxWidth;
        std::u16string shown;
    };
    const Case cases[] = {
        {"生日" + cake + "&" + ji, 100, u"生日\U0001F382&&\U00020BB7"},
        {"生日" + cake + "&" + ji, 12, u"生日\U0001F382&&..."},
        {"生日" + cake + "&" + ji, 11, u"生日\U0001F382..."},
        {"生日" + cake + "&" + ji, 10, u"生日..."},  // "生日" and three bytes of the cake are no character
        {ji + ji + "\r\n", 8, u"\U00020BB7\U00020BB7"},
        {ji + ji + "x", 8, u"\U00020BB7..."},
    };
    for (const Case& c : cases) {
        const std::optional<news::Headline> headline = news::ParseHeadline(news::CapHeadlineBody("*L\t" + c.title));
        ASSERT_TRUE(headline);
        const std::string label = app::EscapeMnemonics(app::FitWithEllipsis(headline->title, c.maxWidth, byteWidth));
        EXPECT_EQ(base::Gb18030ToUtf16(label), c.shown) << c.maxWidth;
    }
}

TEST(MemoAutosave, WarnsOncePerRunOfFailures) {
    app::MemoAutosave autosave;
    const int steps[][3] = {{-1, 1, 1}, {-1, 0, 1}, {0, 0, 0}, {0, 0, 0}, {-1, 1, 1}};  // result, warn, pending
    for (const auto& s : steps) {
        EXPECT_EQ(autosave.AfterSave(s[0]), s[1] == 1);
        EXPECT_EQ(autosave.Pending(), s[2] == 1);
    }
}

}  // namespace

namespace {

TEST(MemoAutosave, TheSessionEndsOnlyWithTheMemoSaved) {
    const struct {
        bool unsaved, warningPending;
        app::SessionEndAnswer answer;
    } cases[] = {
        {false, false, {true, false, false}},
        {false, true, {true, false, false}},
        {true, false, {false, true, true}},
        {true, true, {false, true, false}},  // the next window asking: one warning
    };
    for (const auto& c : cases)
        EXPECT_EQ(app::AnswerSessionEnd(c.unsaved, c.warningPending), c.answer) << c.unsaved << c.warningPending;
}

}  // namespace
