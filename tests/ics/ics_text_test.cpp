// The text rules of the iCalendar export: characters outside GBK, TEXT escaping,
// folding, UIDs, and what the user is told.
#include "ics/IcsText.h"
#include "ics/NotesExport.h"
#include "notes/NoteFiles.h"
#include "notes/NoteStore.h"

#include "tests/notes/scratch_dir.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

// A note with characters outside GBK in their four-byte forms: kept byte
// for byte by the note store, and the same characters in the calendar.
TEST(NotesExport, CharactersOutsideGbkKeepTheirFormsAndExportAsThemselves) {
    const std::string cake = "\x94\x39\xBC\x38", ji = "\x95\x34\xB2\x35";  // U+1F382, U+20BB7
    const std::string text = "生日" + cake + "\r\n" + ji + "\xFE\x9F\x80";      // and U+4DAE, the euro sign
    notes_test::ScratchDir scratch;
    notes_test::MakeNoteFolders();
    {
        notes::CNoteStore store;
        ASSERT_EQ(store.Open(2026, 3), 0);
        ASSERT_EQ(store.Set(9, text.data(), text.size(), 0), 0);
    }
    const std::vector<unsigned char> file = notes_test::FileContents(std::string("日历") + notes::kPathSeparator + "202603");
    ASSERT_EQ(file.size(), 2 + 8 + text.size());
    EXPECT_EQ(file[4] | file[5] << 8, static_cast<int>(text.size()));  // the length counts bytes
    EXPECT_EQ(std::string(file.end() - static_cast<std::ptrdiff_t>(text.size()), file.end()), text);

    notes::CNoteStore reread;
    ASSERT_EQ(reread.Open(2026, 3), 0);
    EXPECT_EQ(std::string(reread.Slot(9).Text(), reread.Slot(9).Length()), text);

    ics::ExportResult result;
    const std::string calendar = ics::CalendarOfNotes({ics::LunarForm::PerYear, 2026, "20260101T000000Z"}, result);
    EXPECT_EQ(result.notes, 1);
    EXPECT_NE(calendar.find(Utf8(u8"\r\nSUMMARY:生日\U0001F382\r\n")), std::string::npos) << calendar;
    EXPECT_NE(calendar.find(Utf8(u8"\r\nDESCRIPTION:生日\U0001F382\\n\U00020BB7\u4DAE€\r\n")), std::string::npos) << calendar;
    EXPECT_NE(calendar.find(Utf8(u8"\r\nX-WR-CALNAME:")), std::string::npos);
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

// The physical lines of folded output, and the content line they unfold to.
struct Folded {
    std::vector<std::string> lines;
    std::string unfolded;
};

Folded Unfold(const std::string& out) {
    Folded f;
    for (std::size_t start = 0; start < out.size();) {
        const std::size_t end = out.find("\r\n", start);
        if (end == std::string::npos) break;
        f.lines.push_back(out.substr(start, end - start));
        f.unfolded += start == 0 ? f.lines.back() : f.lines.back().substr(1);
        start = end + 2;
    }
    return f;
}

TEST(AppendContentLine, FoldsAnyBytesAndKeepsWholeCharactersAtTheFold) {
    const std::string cont80(80, '\x80'), contBF(200, '\xBF');
    const std::string x65(65, 'x'), x66(66, 'x');
    const struct {
        const char* what;
        std::string value;
        std::vector<std::size_t> lengths;  // of the physical lines, leading space included
    } cases[] = {
        {"continuation bytes only", contBF, {75, 75, 60}},
        {"a character, then 80 continuation bytes", Utf8(u8"节") + cont80, {75, 17}},
        {"a character across the limit, then continuation bytes", x65 + Utf8(u8"节") + cont80, {73, 75, 10}},
        {"a 3-byte character across the limit", x66 + Utf8(u8"节") + "y", {74, 5}},
        {"a 4-byte character across the limit", x65 + Utf8(u8"😀") + "y", {73, 6}},
        {"a lead byte just before the limit", x66 + "\xE8" + cont80, {74, 75, 8}},
    };
    for (const auto& c : cases) {
        std::string out;
        ics::AppendContentLine(out, "SUMMARY", c.value);
        const Folded f = Unfold(out);
        std::vector<std::size_t> lengths;
        for (const std::string& line : f.lines) lengths.push_back(line.size());
        EXPECT_EQ(lengths, c.lengths) << c.what;
        EXPECT_EQ(f.unfolded, "SUMMARY:" + c.value) << c.what;
    }
}

// Random bytes (no line breaks: values come escaped), most of them
// continuation bytes: every line within the limit, nothing lost, and at
// most 3 octets of folding per 71 of input.
TEST(AppendContentLine, AnyBytesFoldToBoundedOutput) {
    std::mt19937 random(21);
    for (int run = 0; run < 2000; ++run) {
        std::string value(random() % 600, '\0');
        for (char& byte : value)
            byte = static_cast<char>(random() % 4 ? 0x80 + random() % 0x40 : 0x20 + random() % 0xE0);
        std::string out;
        ics::AppendContentLine(out, "X", value);
        const Folded f = Unfold(out);
        const std::size_t input = 2 + value.size();
        ASSERT_EQ(f.unfolded, "X:" + value) << "run " << run;
        ASSERT_LE(out.size(), input + 2 + 3 * (input / 71)) << "run " << run;
        for (const std::string& line : f.lines) ASSERT_LE(line.size(), ics::kMaxLineOctets) << "run " << run;
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
