// The memo pad's file: exactly the memo's bytes, or no file when empty.
#include "notes/MemoFile.h"
#include "notes/NoteFiles.h"

#include "scratch_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using notes_test::FileContents;
using Bytes = std::vector<unsigned char>;

class MemoFile : public ::testing::Test {
protected:
    void SetUp() override { notes_test::MakeNoteFolders(); }

    const std::string path = notes_test::PathOf("备忘", notes::kDefaultMemoName);
    notes_test::ScratchDir scratch;
};

TEST_F(MemoFile, TheFileLivesUnderTheMemoFolderAsDefault) {
    EXPECT_EQ(path, std::string("\xB1\xB8\xCD\xFC") + notes::kPathSeparator + "default");
}

TEST_F(MemoFile, OneCharacterMakesAOneByteFileAndDeletingItDeletesTheFile) {
    ASSERT_EQ(notes::SaveMemo("default", "a", 1), 0);
    EXPECT_EQ(FileContents(path), Bytes{'a'});

    ASSERT_EQ(notes::SaveMemo("default", "", 0), 0);
    bool exists = true;
    FileContents(path, &exists);
    EXPECT_FALSE(exists);
    EXPECT_EQ(notes::LoadMemo("default"), "");

    // Deleting a memo that has no file is no failure.
    EXPECT_EQ(notes::SaveMemo("default", "", 0), 0);
}

TEST_F(MemoFile, TwoLinesAreStoredWithCrLfAndNoTerminator) {
    const std::string memo = "第一行\r\n第二行";
    ASSERT_EQ(notes::SaveMemo("default", memo.data(), memo.size()), 0);
    EXPECT_EQ(FileContents(path), Bytes(memo.begin(), memo.end()));
    EXPECT_EQ(notes::LoadMemo("default"), memo);
}

TEST_F(MemoFile, FourByteCharactersAreStoredAsTheyAre) {
    const std::string memo = "\x94\x39\xBC\x38生日\r\n\x95\x34\xB2\x35";  // U+1F382, U+20BB7
    ASSERT_EQ(notes::SaveMemo("default", memo.data(), memo.size()), 0);
    EXPECT_EQ(FileContents(path), Bytes(memo.begin(), memo.end()));
    EXPECT_EQ(notes::LoadMemo("default"), memo);
}

TEST_F(MemoFile, AShorterMemoReplacesTheWholeFile) {
    ASSERT_EQ(notes::SaveMemo("default", "abcdef", 6), 0);
    ASSERT_EQ(notes::SaveMemo("default", "xy", 2), 0);
    EXPECT_EQ(FileContents(path), (Bytes{'x', 'y'}));
    EXPECT_EQ(scratch.FileCount(), 1);
}

TEST_F(MemoFile, AFileWithANulLoadsOnlyTheTextBeforeIt) {
    const std::string stored("before\0after", 12);
    ASSERT_EQ(notes::WriteWholeFile(path.c_str(), stored.data(), stored.size()), 0);
    EXPECT_EQ(notes::LoadMemo("default"), "before");

    // The next change writes the memo as the pad holds it.
    const std::string shown = notes::LoadMemo("default") + "!";
    ASSERT_EQ(notes::SaveMemo("default", shown.data(), shown.size()), 0);
    EXPECT_EQ(FileContents(path), Bytes(shown.begin(), shown.end()));
}

TEST_F(MemoFile, NoFileLoadsAsAnEmptyMemo) { EXPECT_EQ(notes::LoadMemo("default"), ""); }

// What the pad did not load whole is kept beside the memo before the first
// save over it; a memo that loaded whole leaves nothing beside it.
TEST_F(MemoFile, WhatDidNotLoadWholeIsKeptBeforeTheFirstSave) {
    const std::string withNul("before\0after", 12);
    for (const std::string& stored : {withNul, std::string("whole")}) {
        ASSERT_EQ(notes::WriteWholeFile(path.c_str(), stored.data(), stored.size()), 0);
        notes::MemoFile memo(notes::kDefaultMemoName);
        const std::string shown = memo.Load() + "!";
        ASSERT_EQ(memo.Save(shown.data(), shown.size()), 0);
        ASSERT_EQ(memo.Save(shown.data(), shown.size()), 0);
        EXPECT_EQ(FileContents(path), Bytes(shown.begin(), shown.end()));
        bool kept = false;
        const Bytes copy = FileContents(path + ".damaged", &kept);
        EXPECT_EQ(kept, stored == withNul);
        if (kept) {
            EXPECT_EQ(copy, Bytes(stored.begin(), stored.end()));
        }
        EXPECT_FALSE(notes::IsMissing(path.c_str()));
        (void)notes::RemoveFile((path + ".damaged").c_str());
    }
}

}  // namespace
