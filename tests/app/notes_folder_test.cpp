// Finding and entering the notes folder.
#include "app/NotesFolder.h"

#include "tests/notes/scratch_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

using notes_test::PathOf;
namespace fs = std::filesystem;

TEST(NotesFolder, PathIsBoundedAndJoinedOnce) {
    EXPECT_EQ(app::NotesFolderPath("C:\\Docs"), PathOf("C:\\Docs", "我的记事"));
    EXPECT_EQ(app::NotesFolderPath(PathOf("D", "").c_str()), PathOf("D", "我的记事"));
    EXPECT_EQ(app::NotesFolderPath("\xB1\x5C"), PathOf("\xB1\x5C", "我的记事")) << "a trail byte 0x5C is no separator";
    EXPECT_FALSE(app::NotesFolderPath(""));
    const std::size_t room = app::kPathBufferSize - 2 - std::string("我的记事").size();
    EXPECT_TRUE(app::NotesFolderPath(std::string(room, 'a').c_str()));
    EXPECT_FALSE(app::NotesFolderPath(std::string(room + 1, 'a').c_str()));
}

// A write into a folder succeeds only when the folder is there.
bool HasFolder(const char* name) { return notes::WriteWholeFile(PathOf(name, "f").c_str(), "x", 1) == 0; }

TEST(NotesFolder, EntersAndMakesItsFolders) {
    notes_test::ScratchDir scratch;
    const fs::path root = fs::current_path();
    ASSERT_EQ(app::EnterNotesFolder("我的记事"), 0);
    EXPECT_EQ(fs::current_path().parent_path(), root);
    EXPECT_TRUE(HasFolder("日历") && HasFolder("备忘"));
}

TEST(NotesFolder, NeverClimbsOutOfAFolderItDidNotEnter) {
    notes_test::ScratchDir scratch;
    // Files standing where folders go: neither can be made.
    ASSERT_EQ(notes::WriteWholeFile("blocked", "x", 1), 0);
    const fs::path root = fs::current_path();
    EXPECT_EQ(app::EnterNotesFolder("blocked"), -1);
    EXPECT_EQ(fs::current_path(), root);

    for (const char* step : {"notes", ".."}) ASSERT_EQ(notes::EnsureDir(step), 0);
    ASSERT_EQ(notes::WriteWholeFile(PathOf("notes", "日历").c_str(), "x", 1), 0);
    EXPECT_EQ(app::EnterNotesFolder("notes"), -1);
    EXPECT_EQ(fs::current_path(), root / "notes");
    EXPECT_TRUE(HasFolder("备忘")) << "the other subfolder is still made";
}

}  // namespace
