// A save that fails leaves the previous file exactly as it was and no
// temporary file behind, and reports the failure.
#include "notes/MemoFile.h"
#include "notes/NoteFiles.h"
#include "notes/NoteFilesTestSeam.h"
#include "notes/NoteStore.h"

#include "scratch_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using notes::CNoteStore;
using notes::ScopedWriteFailure;
using notes::WriteStep;
using notes_test::FileContents;
using Bytes = std::vector<unsigned char>;

struct StepCase {
    WriteStep step;
    const char* name;
};
const StepCase kEveryStep[] = {
    {WriteStep::CreateTemp, "creating the temporary file"},
    {WriteStep::WriteBytes, "writing"},
    {WriteStep::Flush, "flushing to the disk"},
    {WriteStep::Replace, "replacing the old file"},
};

class CrashSafeSave : public ::testing::Test {
protected:
    void SetUp() override { notes_test::MakeNoteFolders(); }
    notes_test::ScratchDir scratch;
};

TEST_F(CrashSafeSave, AFailedStepLeavesTheOldFileAndNoTemporaryFile) {
    const std::string path = notes_test::PathOf("日历", "old");
    const std::string before = "the bytes already on the disk";
    const std::string after = "newer, longer bytes that must not land";
    for (const StepCase& c : kEveryStep) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(notes::WriteWholeFile(path.c_str(), before.data(), before.size()), 0);
        {
            ScopedWriteFailure failure(c.step);
            EXPECT_EQ(notes::WriteWholeFile(path.c_str(), after.data(), after.size()), -1);
        }
        EXPECT_EQ(FileContents(path), Bytes(before.begin(), before.end()));
        EXPECT_EQ(scratch.FileCount(), 1);
    }
    // Once the system lets it, the same write goes through.
    EXPECT_EQ(notes::WriteWholeFile(path.c_str(), after.data(), after.size()), 0);
    EXPECT_EQ(FileContents(path), Bytes(after.begin(), after.end()));
    EXPECT_EQ(scratch.FileCount(), 1);
}

TEST_F(CrashSafeSave, AFailedFirstWriteLeavesNoFileAtAll) {
    const std::string path = notes_test::PathOf("日历", "new");
    for (const StepCase& c : kEveryStep) {
        SCOPED_TRACE(c.name);
        ScopedWriteFailure failure(c.step);
        EXPECT_EQ(notes::WriteWholeFile(path.c_str(), "x", 1), -1);
        EXPECT_EQ(scratch.FileCount(), 0);
    }
}

TEST_F(CrashSafeSave, SetReportsAFailedSaveAndKeepsTheNoteInMemory) {
    CNoteStore store;
    ASSERT_EQ(store.Open(2024, 9), 0);
    ASSERT_EQ(store.Set(9, "old note", 8, 0), 0);
    const Bytes saved = FileContents(store.FileName());

    for (const StepCase& c : kEveryStep) {
        SCOPED_TRACE(c.name);
        {
            ScopedWriteFailure failure(c.step);
            EXPECT_EQ(store.Set(9, "new note", 8, 0), -1);
        }
        EXPECT_STREQ(store.Slot(9).Text(), "new note");
        EXPECT_EQ(FileContents(store.FileName()), saved);
        EXPECT_EQ(scratch.FileCount(), 1);
        ASSERT_EQ(store.Set(9, "old note", 8, 0), 0);
    }

    // The next successful save writes what memory holds.
    {
        ScopedWriteFailure failure(WriteStep::Replace);
        ASSERT_EQ(store.Set(10, "second", 6, 0), -1);
    }
    ASSERT_EQ(store.Save(), 0);
    CNoteStore reopened;
    ASSERT_EQ(reopened.Open(2024, 9), 0);
    EXPECT_STREQ(reopened.Slot(9).Text(), "old note");
    EXPECT_STREQ(reopened.Slot(10).Text(), "second");
}

TEST_F(CrashSafeSave, A70000ByteTextIsRefusedAndThePreviousNoteRemains) {
    CNoteStore store;
    ASSERT_EQ(store.Open(2024, 10), 0);
    ASSERT_EQ(store.Set(1, "keep me", 7, notes::CustomColourBit | 0x42), 0);
    const Bytes saved = FileContents(store.FileName());

    const std::string huge(70000, 'x');
    EXPECT_EQ(store.Set(1, huge.c_str(), huge.size(), 0), -1);
    EXPECT_STREQ(store.Slot(1).Text(), "keep me");
    EXPECT_EQ(store.Slot(1).ColourWord(), notes::CustomColourBit | 0x42);
    EXPECT_EQ(FileContents(store.FileName()), saved);

    // 65,536 bytes would wrap to 0 in the record's length: refused as well.
    const std::string wraps(65536, 'y');
    EXPECT_EQ(store.Set(2, wraps.c_str(), wraps.size(), 0), -1);
    EXPECT_FALSE(store.Slot(2).HoldsText());
    EXPECT_EQ(FileContents(store.FileName()), saved);
}

TEST_F(CrashSafeSave, TheLongestNoteIsStoredWhole) {
    const std::string longest(notes::kMaxNoteLength, '\xB0');
    CNoteStore store;
    ASSERT_EQ(store.Open(2024, 11), 0);
    ASSERT_EQ(store.Set(30, longest.c_str(), longest.size(), 0), 0);
    EXPECT_EQ(FileContents(store.FileName()).size(), 2u + 8u + 65535u);

    CNoteStore reopened;
    EXPECT_EQ(reopened.Open(2024, 11), 0);
    EXPECT_EQ(std::string(reopened.Slot(30).Text(), reopened.Slot(30).Length()), longest);
}

TEST_F(CrashSafeSave, AFailedMemoSaveKeepsTheOldMemo) {
    ASSERT_EQ(notes::SaveMemo("default", "first", 5), 0);
    for (const StepCase& c : kEveryStep) {
        SCOPED_TRACE(c.name);
        ScopedWriteFailure failure(c.step);
        EXPECT_EQ(notes::SaveMemo("default", "firsts", 6), -1);
        EXPECT_EQ(notes::LoadMemo("default"), "first");
        EXPECT_EQ(scratch.FileCount(), 1);
    }
}

TEST_F(CrashSafeSave, RealRefusalsAreReportedToo) {
    // No such folder: nothing can be created.
    const std::string noFolder = notes_test::PathOf("missing", "file");
    EXPECT_EQ(notes::WriteWholeFile(noFolder.c_str(), "x", 1), -1);

    // A folder stands where the file should go: the replace step fails, and
    // the store, which cannot read it, does not even try.
    ASSERT_EQ(notes::EnsureDir("日历"), 0);
    ASSERT_EQ(notes::EnsureDir("202401"), 0);
    ASSERT_EQ(notes::EnsureDir(".."), 0);
    ASSERT_EQ(notes::EnsureDir(".."), 0);
    CNoteStore store;
    EXPECT_EQ(store.Open(2024, 1), -1);
    EXPECT_EQ(notes::WriteWholeFile(store.FileName(), "x", 1), -1);
    EXPECT_EQ(store.Set(1, "x", 1, 0), -1);
    EXPECT_STREQ(store.Slot(1).Text(), "x");
    EXPECT_EQ(scratch.FileCount(), 0);
}

}  // namespace
