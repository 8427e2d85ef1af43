// A note file that does not load whole still holds notes the store never
// saw. The first save over it keeps the file beside it first, so no note on
// the disk is ever destroyed.
#include "notes/NoteFiles.h"
#include "notes/NoteFilesTestSeam.h"
#include "notes/NoteStore.h"

#include "scratch_dir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using notes::CNoteStore;
using notes::ScopedWriteFailure;
using notes::WriteStep;
using notes_test::FileContents;
using notes_test::FileOf;
using notes_test::Record;
using Bytes = std::vector<unsigned char>;

bool Exists(const std::string& path) { return !notes::IsMissing(path.c_str()); }

class DamagedFile : public ::testing::Test {
protected:
    void SetUp() override {
        notes_test::MakeNoteFolders();
        ASSERT_EQ(store.Open(2024, 5), 0);
        name = store.FileName();
    }

    void Plant(const std::string& path, const Bytes& bytes) {
        ASSERT_EQ(notes::WriteWholeFile(path.c_str(), bytes.data(), bytes.size()), 0);
    }

    notes_test::ScratchDir scratch;
    CNoteStore store;
    std::string name;
    // A good record, a record for slot 40 of a 32-slot table, a good record.
    const Bytes badIndex = FileOf({Record(2, "keep"), Record(40, "bad"), Record(3, "after")});
};

TEST_F(DamagedFile, TheFirstSaveKeepsTheFileAsItWas) {
    Bytes cutText = FileOf({Record(2, "keep"), Record(3, "after")});
    cutText.pop_back();  // the last text runs past the end
    struct Case {
        const char* what;
        Bytes file;
        bool damaged;
    };
    const std::vector<Case> cases = {
        {"index past the table", badIndex, true},
        {"text past the end", cutText, true},
        {"a clean file", FileOf({Record(2, "keep"), Record(3, "after")}), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Plant(name, c.file);
        ASSERT_EQ(store.Open(2024, 5), c.damaged ? -1 : 0);
        EXPECT_STREQ(store.Slot(2).Text(), "keep");

        ASSERT_EQ(store.Set(4, "new", 3, 0), 0);
        EXPECT_EQ(FileContents(name + ".damaged"), c.damaged ? c.file : Bytes());
        EXPECT_EQ(scratch.FileCount(), c.damaged ? 2 : 1);

        // Once kept, later saves go ahead as usual: no second copy.
        ASSERT_EQ(store.Set(5, "more", 4, 0), 0);
        EXPECT_EQ(scratch.FileCount(), c.damaged ? 2 : 1);
        ASSERT_EQ(notes::RemoveFile((name + ".damaged").c_str()), 0);
    }
}

TEST_F(DamagedFile, EarlierCopiesAreNeverReplaced) {
    // Each round finds one more copy on the disk and takes the next number.
    const char* const names[] = {".damaged", ".damaged.1", ".damaged.2", ".damaged.3"};
    const Bytes older = {'o', 'l', 'd'};
    for (int taken = 0; taken < 4; ++taken) {
        SCOPED_TRACE(taken);
        for (int i = 0; i < taken; ++i) Plant(name + names[i], older);
        Plant(name, badIndex);
        ASSERT_EQ(store.Open(2024, 5), -1);
        ASSERT_EQ(store.Set(4, "new", 3, 0), 0);
        for (int i = 0; i < taken; ++i) EXPECT_EQ(FileContents(name + names[i]), older) << names[i];
        EXPECT_EQ(FileContents(name + names[taken]), badIndex) << names[taken];
        EXPECT_EQ(scratch.FileCount(), taken + 2);
        for (int i = 0; i <= taken; ++i) ASSERT_EQ(notes::RemoveFile((name + names[i]).c_str()), 0);
    }
}

TEST_F(DamagedFile, WhenNoCopyCanBeKeptTheSaveFailsAndTheFileStays) {
    struct Case {
        const char* what;
        const char* text;  // nullptr: the only loaded note is cleared, so the file would go
        int slot;
    };
    const Case cases[] = {{"a note added", "new", 4}, {"the last loaded note cleared", nullptr, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Plant(name, badIndex);
        ASSERT_EQ(store.Open(2024, 5), -1);
        const std::size_t length = c.text ? 3 : 0;
        {
            ScopedWriteFailure failure(WriteStep::KeepCopy);
            EXPECT_EQ(store.Set(c.slot, c.text, length, 0), -1);
        }
        EXPECT_EQ(FileContents(name), badIndex);
        EXPECT_EQ(scratch.FileCount(), 1);

        // The next save keeps the copy, then does what was asked.
        ASSERT_EQ(store.Save(), 0);
        EXPECT_EQ(FileContents(name + ".damaged"), badIndex);
        EXPECT_EQ(Exists(name), c.text != nullptr);
        ASSERT_EQ(notes::RemoveFile((name + ".damaged").c_str()), 0);
    }
}

TEST_F(DamagedFile, AFileThatIsThereButCannotBeReadIsNeverSavedOver) {
    // A folder where the note file should be: it cannot be read, nor copied.
    ASSERT_EQ(notes::EnsureDir(name.c_str()), 0);
    ASSERT_EQ(notes::EnsureDir("../.."), 0);
    EXPECT_EQ(store.Open(2024, 5), -1);
    EXPECT_EQ(store.Set(1, "x", 1, 0), -1);
    EXPECT_STREQ(store.Slot(1).Text(), "x");
    EXPECT_EQ(scratch.FileCount(), 0);
}

TEST_F(DamagedFile, NothingToKeepWhenTheFileIsGone) {
    // Removed by someone else after the damaged load: the save just writes.
    Plant(name, badIndex);
    ASSERT_EQ(store.Open(2024, 5), -1);
    ASSERT_EQ(notes::RemoveFile(name.c_str()), 0);
    ASSERT_EQ(store.Set(4, "new", 3, 0), 0);
    EXPECT_EQ(FileContents(name), FileOf({Record(2, "keep"), Record(4, "new")}));
    EXPECT_EQ(scratch.FileCount(), 1);
}

}  // namespace
