// The text rules of the iCalendar export: GBK to UTF-8, TEXT escaping,
// folding, UIDs, and what the user is told.
#include "ics/GbkText.h"
#include "ics/IcsText.h"
#include "ics/NotesExport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

TEST(GbkToUtf8, ConvertsEveryCharacterAndReplacesWhatIsNone) {
    const std::string replacement = "\xEF\xBF\xBD";
    const std::pair<std::string, std::string> cases[] = {
        {"abc 1;", "abc 1;"},
        {"农历三十，闰六月", Utf8(u8"农历三十，闰六月")},  // a GBK literal here
        {"\x80", Utf8(u8"€")},
        {"\x81", replacement},              // a lead byte at the end
        {"\x81\x20z", replacement + " z"},  // a lead byte before no trail byte
        {"\xA1\x7F", replacement + "\x7F"},
        {std::string("\xFF\xA1", 2), replacement + replacement},
    };
    for (const auto& [gbk, utf8] : cases) EXPECT_EQ(ics::GbkToUtf8(gbk), utf8) << gbk;
}

TEST(EscapeText, EscapesTheFourSpecialsAndDropsControls) {
    const std::pair<std::string, std::string> cases[] = {
        {"a,b;c\\d", "a\\,b\\;c\\\\d"},
        {"1\r\n2\n3\r4", "1\\n2\\n3\\n4"},
        {"tab\there", "tab\there"},
        {std::string("x\0y\x7F\x01z", 6), "xyz"},
    };
    for (const auto& [text, escaped] : cases) EXPECT_EQ(ics::EscapeText(text), escaped) << text;
}

TEST(AppendContentLine, FoldsAt75OctetsBetweenCharacters) {
    for (const std::size_t chars : {0u, 22u, 23u, 24u, 100u}) {  // "SUMMARY:" and 3 octets a character
        std::string value;
        for (std::size_t i = 0; i < chars; ++i) value += Utf8(u8"节");
        std::string out;
        ics::AppendContentLine(out, "SUMMARY", value);
        std::string unfolded;
        for (std::size_t start = 0, end; start < out.size(); start = end + 2) {
            end = out.find("\r\n", start);
            const std::string line = out.substr(start, end - start);
            EXPECT_LE(line.size(), ics::kMaxLineOctets);
            EXPECT_EQ(start == 0 ? line.rfind("SUMMARY:", 0) : line.rfind(' ', 0), 0u) << line;
            EXPECT_EQ((line.size() - (start == 0 ? 8 : 1)) % 3, 0u) << "a character split";
            unfolded += start == 0 ? line : line.substr(1);
        }
        EXPECT_EQ(unfolded, "SUMMARY:" + value);
    }
}

TEST(NoteUid, NamesANoteByWhereItIsKept) {
    EXPECT_EQ(ics::NoteUid(2025, 3, 15, false), "once-20250315@veltrano");
    EXPECT_EQ(ics::NoteUid(1, 2, 29, false), "yearly-0229@veltrano");
    EXPECT_EQ(ics::NoteUid(0, 6, 30, false), "lunar-0630@veltrano");
    EXPECT_EQ(ics::NoteUid(0, 0, 3, true), "weekly-3@veltrano");
    EXPECT_EQ(ics::LunarShowingUid(6, 12, 2025, false), "lunar-0612-2025@veltrano");
    EXPECT_EQ(ics::LunarShowingUid(6, 12, 2025, true), "lunar-0612-2025-leap@veltrano");
}

TEST(ExportMessage, SaysWhatWasWrittenAndWhatWasSkipped) {
    ics::ExportResult result;
    result.notes = 12;
    EXPECT_EQ(ics::ExportMessage(result, "C:\\a.ics", true), "已导出 12 条记事到 C:\\a.ics");
    result.skippedFiles = {"日历\\202604", "日历\\week"};
    EXPECT_EQ(ics::ExportMessage(result, "C:\\a.ics", false),
              "导出失败：无法写入 C:\\a.ics\n以下记事文件无法完整读取，已跳过：\n日历\\202604\n日历\\week");
}

}  // namespace
