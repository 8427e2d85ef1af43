// A save that fails leaves the previous file exactly as it was and no
// temporary file behind, and reports the failure.
#include "notes/NoteFiles.h"

#include "scratch_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

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

}  // namespace
