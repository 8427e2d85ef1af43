// What a slot keeps when a note is assigned, and how the store guards its table.
#include "notes/NoteStore.h"

#include "scratch_dir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

using notes::CNoteStore;
using notes::CustomColourBit;
using notes::NoteSlot;

TEST(NoteSlot, AssignKeepsATextOnlyWhenThereIsTextOrAChosenColour) {
    const std::uint32_t chosen = CustomColourBit | 0x00ABCDEF;
    struct Case {
        const char* what;
        const char* text;
        std::size_t length;
        std::uint32_t colourWord;
        bool holdsText, carriesNote;
        std::string kept;
    };
    const Case cases[] = {
        {"plain text", "ab", 2, 0, true, true, "ab"},
        {"only the first length bytes", "abcdef", 3, 0, true, true, "abc"},
        {"empty text", "", 0, 0, false, false, ""},
        {"no text", nullptr, 0, 0, false, false, ""},
        {"length 0 without a colour", "abc", 0, 0, false, false, ""},
        {"text starting with NUL", "\0ab", 3, 0, false, false, ""},
        {"colour without text", "", 0, chosen, true, false, ""},
        {"colour and no text at all", nullptr, 5, chosen, true, false, ""},
        {"colour and text starting with NUL", "\0ab", 3, chosen, true, false, std::string("\0ab", 3)},
        {"colour word without the bit", "x", 1, 0x00ABCDEF, true, true, "x"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        NoteSlot slot;
        ASSERT_EQ(slot.Assign(c.text, c.length, c.colourWord), 0);
        EXPECT_EQ(slot.HoldsText(), c.holdsText);
        EXPECT_EQ(slot.CarriesNote(), c.carriesNote);
        EXPECT_EQ(slot.Length(), c.kept.size());
        if (c.holdsText) {
            EXPECT_EQ(std::string(slot.Text(), slot.Length()), c.kept);
            EXPECT_EQ(slot.Text()[slot.Length()], '\0');
            EXPECT_EQ(slot.ColourWord(), c.colourWord);
        } else {
            EXPECT_EQ(slot.Text(), nullptr);
        }
    }
}

TEST(NoteSlot, EmptyingKeepsTheOldColourWordAndClearResetsIt) {
    NoteSlot slot;
    ASSERT_EQ(slot.Assign("x", 1, CustomColourBit | 5), 0);
    ASSERT_EQ(slot.Assign("", 0, 0), 0);
    EXPECT_FALSE(slot.HoldsText());
    EXPECT_EQ(slot.ColourWord(), CustomColourBit | 5);

    slot.Clear();
    EXPECT_EQ(slot.ColourWord(), 0u);
    EXPECT_EQ(slot.Length(), 0);
}

TEST(NoteSlot, AssignCopiesTheTextEvenFromItself) {
    std::string source = "hello";
    NoteSlot slot;
    ASSERT_EQ(slot.Assign(source.c_str(), source.size(), 0), 0);
    source[0] = 'J';
    EXPECT_STREQ(slot.Text(), "hello");

    ASSERT_EQ(slot.Assign(slot.Text() + 1, 3, 0), 0);
    EXPECT_STREQ(slot.Text(), "ell");
}

TEST(NoteSlot, TheLongestTextFitsAndOneByteMoreIsRefused) {
    const std::string longest(notes::kMaxNoteLength, 'a');
    NoteSlot slot;
    ASSERT_EQ(slot.Assign(longest.c_str(), longest.size(), 0), 0);
    EXPECT_EQ(slot.Length(), 65535);

    const std::string tooLong(notes::kMaxNoteLength + 1, 'b');
    EXPECT_EQ(slot.Assign(tooLong.c_str(), tooLong.size(), CustomColourBit), -1);
    EXPECT_EQ(slot.Length(), 65535);
    EXPECT_EQ(slot.Text()[0], 'a');
    EXPECT_EQ(slot.ColourWord(), 0u);
}

TEST(NoteStoreTable, IndicesOutsideTheTableReadEmptyAndAreNotWritten) {
    notes_test::ScratchDir scratch;
    notes_test::MakeNoteFolders();

    CNoteStore week;
    ASSERT_EQ(week.OpenWeekly(), 0);
    EXPECT_EQ(week.Set(8, "x", 1, 0), -1);
    EXPECT_EQ(week.Set(-1, "x", 1, 0), -1);
    EXPECT_FALSE(week.Slot(8).HoldsText());
    EXPECT_FALSE(week.Slot(-1).HoldsText());
    EXPECT_EQ(scratch.FileCount(), 0);

    CNoteStore neverOpened;
    EXPECT_EQ(neverOpened.Load(), 0);
    EXPECT_EQ(neverOpened.Set(1, "x", 1, 0), -1);
    EXPECT_EQ(neverOpened.Save(), -1);
    EXPECT_FALSE(neverOpened.Slot(0).HoldsText());
}

}  // namespace
