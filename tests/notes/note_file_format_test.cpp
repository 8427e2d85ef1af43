// The bytes of a note file: what Save writes and what Load accepts.
#include "notes/NoteStore.h"

#include "scratch_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

using notes::CNoteStore;
using notes::CustomColourBit;
using notes_test::FileContents;
using notes_test::FileOf;
using notes_test::Record;
using Bytes = std::vector<unsigned char>;

std::string TextOf(const notes::NoteSlot& slot) {
    return slot.Text() ? std::string(slot.Text(), slot.Length()) : std::string();
}

// What the day editors do before storing a text: drop its leading blanks.
const char* WithoutLeadingBlanks(const char* text) {
    while (*text == ' ') ++text;
    return text;
}

class NoteFileFormat : public ::testing::Test {
protected:
    void SetUp() override { notes_test::MakeNoteFolders(); }

    void WriteFile(const std::string& path, const Bytes& bytes) {
        ASSERT_EQ(notes::WriteWholeFile(path.c_str(), bytes.data(), bytes.size()), 0);
    }

    notes_test::ScratchDir scratch;
};

TEST_F(NoteFileFormat, OneTwoLetterNoteIsTheTwelveByteExample) {
    CNoteStore store;
    ASSERT_EQ(store.Open(2006, 12), 0);
    ASSERT_EQ(store.Set(25, "ab", 2, 0), 0);

    const Bytes expected = {0x64, 0x00, 0x19, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x61, 0x62};
    EXPECT_EQ(FileContents(store.FileName()), expected);

    CNoteStore reopened;
    EXPECT_EQ(reopened.Open(2006, 12), 0);
    EXPECT_EQ(TextOf(reopened.Slot(25)), "ab");
    EXPECT_EQ(reopened.Slot(25).ColourWord(), 0u);
}

TEST_F(NoteFileFormat, ColouredNoteWithEmptyTextIsATenByteFileAndKeepsItsColour) {
    CNoteStore store;
    ASSERT_EQ(store.Open(2024, 5), 0);
    const std::uint32_t chosen = CustomColourBit | 0x00123456;
    ASSERT_EQ(store.Set(7, "note", 4, chosen), 0);
    ASSERT_EQ(store.Set(7, "", 0, chosen), 0);  // text cleared in the editor, colour kept

    EXPECT_EQ(FileContents(store.FileName()), FileOf({Record(7, "", chosen)}));
    EXPECT_EQ(FileContents(store.FileName()).size(), 10u);

    CNoteStore reopened;
    ASSERT_EQ(reopened.Open(2024, 5), 0);
    const notes::NoteSlot& slot = reopened.Slot(7);
    EXPECT_TRUE(slot.HoldsText());
    EXPECT_FALSE(slot.CarriesNote());
    EXPECT_EQ(slot.Length(), 0);
    EXPECT_EQ(slot.ColourWord(), chosen);
}

TEST_F(NoteFileFormat, ClearingTheLastNoteDeletesTheFile) {
    CNoteStore store;
    ASSERT_EQ(store.Open(2024, 2), 0);
    ASSERT_EQ(store.Set(3, "one", 3, 0), 0);
    ASSERT_EQ(store.Set(29, "two", 3, CustomColourBit | 0xFF), 0);

    ASSERT_EQ(store.Set(3, "", 0, 0), 0);
    EXPECT_EQ(FileContents(store.FileName()), FileOf({Record(29, "two", CustomColourBit | 0xFF)}));

    // A note whose colour was never chosen leaves nothing once its text goes.
    ASSERT_EQ(store.Set(29, nullptr, 0, 0), 0);
    bool exists = true;
    FileContents(store.FileName(), &exists);
    EXPECT_FALSE(exists);
    EXPECT_EQ(scratch.FileCount(), 0);
}

TEST_F(NoteFileFormat, SpacesOnlyTextDeletesTheNoteOnceLeadingBlanksAreTrimmed) {
    CNoteStore store;
    ASSERT_EQ(store.Open(2024, 3), 0);
    ASSERT_EQ(store.Set(10, "x", 1, 0), 0);

    const char* spaces = WithoutLeadingBlanks("    ");
    ASSERT_EQ(store.Set(10, spaces, std::strlen(spaces), 0), 0);
    EXPECT_FALSE(store.Slot(10).HoldsText());
    bool exists = true;
    FileContents(store.FileName(), &exists);
    EXPECT_FALSE(exists);

    // Trailing blanks are text like any other.
    const char* padded = WithoutLeadingBlanks("  ab  ");
    ASSERT_EQ(store.Set(10, padded, std::strlen(padded), 0), 0);
    EXPECT_EQ(FileContents(store.FileName()), FileOf({Record(10, "ab  ", 0)}));
}

TEST_F(NoteFileFormat, WeekFileHoldsTheSevenWeekdaysAndNeverSlotSeven) {
    CNoteStore week;
    ASSERT_EQ(week.OpenWeekly(), 0);
    std::vector<Bytes> expected;
    for (int day = 0; day <= 6; ++day) {
        const std::string text = "周" + std::to_string(day);
        ASSERT_EQ(week.Set(day, text.c_str(), text.size(), 0), 0);
        expected.push_back(Record(day, text, 0));
    }
    EXPECT_EQ(FileContents(week.FileName()), FileOf(expected));
}

TEST_F(NoteFileFormat, EverySlotRoundTripsWithCrLfAndGbkText) {
    const auto textFor = [](int slot) {
        return "第" + std::to_string(slot) + "行\r\n第二行 \x81\x40\xFE\xFE\r\n";  // GBK's first and last codes
    };
    const auto colourFor = [](int slot) {
        return slot % 3 == 0 ? 0u : CustomColourBit | static_cast<std::uint32_t>(slot * 0x010203);
    };

    struct StoreCase {
        const char* what;
        int year, month;  // year -1: the week file
    };
    const StoreCase stores[] = {
        {"month", 2049, 12}, {"gregorian yearly", 1, 2}, {"lunar yearly", 0, 11}, {"week", -1, 0}};
    for (const StoreCase& c : stores) {
        SCOPED_TRACE(c.what);
        CNoteStore store;
        if (c.year < 0)
            ASSERT_EQ(store.OpenWeekly(), 0);
        else
            ASSERT_EQ(store.Open(c.year, c.month), 0);
        for (int slot = 0; slot <= store.MaxSlot(); ++slot) {
            const std::string text = textFor(slot);
            ASSERT_EQ(store.Set(slot, text.c_str(), text.size(), colourFor(slot)), 0);
        }

        CNoteStore reopened;
        if (c.year < 0)
            EXPECT_EQ(reopened.OpenWeekly(), 0);
        else
            EXPECT_EQ(reopened.Open(c.year, c.month), 0);
        ASSERT_EQ(reopened.MaxSlot(), store.MaxSlot());
        for (int slot = 0; slot <= reopened.MaxSlot(); ++slot) {
            EXPECT_EQ(TextOf(reopened.Slot(slot)), textFor(slot)) << "slot " << slot;
            EXPECT_EQ(reopened.Slot(slot).ColourWord(), colourFor(slot)) << "slot " << slot;
            EXPECT_EQ(reopened.Slot(slot).Text()[reopened.Slot(slot).Length()], '\0');
        }
    }
}

// Characters outside GBK are stored as GB18030's four bytes; the record's
// length counts bytes, and every GBK character keeps its two.
TEST_F(NoteFileFormat, FourByteCharactersAreStoredAsTheyAreAndCountedInBytes) {
    const std::string cake = "\x94\x39\xBC\x38", ji = "\x95\x34\xB2\x35";  // U+1F382, U+20BB7
    const std::string texts[] = {cake, "生日" + cake, ji + "\xFE\x9F" + ji, cake + "\r\n" + cake + "a"};
    for (const std::string& text : texts) {
        CNoteStore store;
        ASSERT_EQ(store.Open(2024, 9), 0);
        ASSERT_EQ(store.Set(14, text.c_str(), text.size(), 0), 0);
        EXPECT_EQ(FileContents(store.FileName()), FileOf({Record(14, text)}));

        CNoteStore reopened;
        EXPECT_EQ(reopened.Open(2024, 9), 0);
        EXPECT_EQ(TextOf(reopened.Slot(14)), text);
        EXPECT_EQ(reopened.Slot(14).Length(), text.size());
    }
}

struct BadFileCase {
    const char* what;
    bool week;
    Bytes file;
    int expectedResult;
    std::vector<int> loadedSlots;  // slots expected to hold a text afterwards
};

TEST_F(NoteFileFormat, LoadKeepsWhatFitsAndStopsAtTheFirstRecordThatDoesNot) {
    const Bytes good = FileOf({Record(1, "ab", 0), Record(2, "cd", 0)});
    // The second record starts at 12; its length field at 14.
    const Bytes pastEnd = [&] {
        Bytes b = good;
        b[14] = 3;  // 3 bytes claimed, 2 follow
        return b;
    }();
    const Bytes farPastEnd = [&] {
        Bytes b = FileOf({Record(4, "ab", 0)});
        b[4] = 0xFF;  // 65535 bytes claimed, 2 follow
        b[5] = 0xFF;
        return b;
    }();
    const Bytes otherMark = [&] {
        Bytes b = good;
        b[0] = 0x12;
        b[1] = 0x34;
        return b;
    }();

    const std::vector<BadFileCase> cases = {
        {"no records", false, {0x64, 0x00}, 0, {}},
        {"empty file", false, {}, 0, {}},
        {"two good records", false, good, 0, {1, 2}},
        {"any mark loads the same", false, otherMark, 0, {1, 2}},
        {"index 40 in a 32-slot store", false, FileOf({Record(40, "ab", 0)}), -1, {}},
        {"negative index", false, FileOf({Record(-1, "ab", 0)}), -1, {}},
        {"index 32 just past the table", false, FileOf({Record(5, "ok", 0), Record(32, "ab", 0)}), -1, {5}},
        {"index 7 is in the week table", true, FileOf({Record(7, "ab", 0)}), 0, {7}},
        {"index 8 in the week store", true, FileOf({Record(3, "ok", 0), Record(8, "ab", 0)}), -1, {3}},
        {"second text runs past the end", false, pastEnd, -1, {1}},
        {"length 65535 with 2 bytes left", false, farPastEnd, -1, {}},
    };
    for (const BadFileCase& c : cases) {
        SCOPED_TRACE(c.what);
        CNoteStore store;
        // Opened for its file name; what the last round left there is replaced.
        (void)(c.week ? store.OpenWeekly() : store.Open(2024, 1));
        WriteFile(store.FileName(), c.file);

        EXPECT_EQ(c.week ? store.OpenWeekly() : store.Open(2024, 1), c.expectedResult);
        for (int slot = 0; slot <= store.MaxSlot(); ++slot) {
            const bool expected = std::find(c.loadedSlots.begin(), c.loadedSlots.end(), slot) != c.loadedSlots.end();
            EXPECT_EQ(store.Slot(slot).HoldsText(), expected) << "slot " << slot;
        }
    }
}

TEST_F(NoteFileFormat, FilesOfThreeToNineBytesHoldNoWholeRecord) {
    const Bytes full = FileOf({Record(25, "ab", 0)});
    for (std::size_t size = 3; size <= 9; ++size) {
        SCOPED_TRACE(size);
        CNoteStore store;
        (void)store.Open(2024, 4);  // for its file name: the last round's file is replaced
        WriteFile(store.FileName(), Bytes(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(size)));
        EXPECT_EQ(store.Open(2024, 4), -1);
        for (int slot = 0; slot <= store.MaxSlot(); ++slot) EXPECT_FALSE(store.Slot(slot).HoldsText());
    }
}

TEST_F(NoteFileFormat, ABadRecordIsDroppedFromTheFileAtTheNextSave) {
    CNoteStore store;
    ASSERT_EQ(store.Open(2024, 6), 0);
    WriteFile(store.FileName(), FileOf({Record(2, "keep", 0), Record(99, "lost", 0), Record(3, "lost", 0)}));
    ASSERT_EQ(store.Open(2024, 6), -1);

    ASSERT_EQ(store.Set(4, "new", 3, 0), 0);
    EXPECT_EQ(FileContents(store.FileName()), FileOf({Record(2, "keep", 0), Record(4, "new", 0)}));
}

TEST_F(NoteFileFormat, ReopeningAStoreDropsTheNotesOfTheFileBefore) {
    CNoteStore store;
    ASSERT_EQ(store.Open(2024, 7), 0);
    ASSERT_EQ(store.Set(1, "july", 4, 0), 0);

    EXPECT_EQ(store.Open(2024, 8), 0);
    for (int slot = 0; slot <= store.MaxSlot(); ++slot) EXPECT_FALSE(store.Slot(slot).HoldsText());
    EXPECT_EQ(store.OpenWeekly(), 0);
    EXPECT_EQ(store.MaxSlot(), 7);
    EXPECT_FALSE(store.Slot(1).HoldsText());
}

}  // namespace
