// Two saves of one file at once (two copies of the program, or a save that
// runs while another is half done) each write their own temporary file, so
// neither can rename the other's half-written bytes over the note file.
#include "notes/NoteFiles.h"
#include "notes/NoteFilesTestSeam.h"

#include "scratch_dir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

using notes::ScopedWriteHook;
using notes::WriteStep;
using notes_test::FileContents;
using Bytes = std::vector<unsigned char>;

Bytes BytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

void PlantFile(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

class ConcurrentSave : public ::testing::Test {
protected:
    void SetUp() override { notes_test::MakeNoteFolders(); }
    notes_test::ScratchDir scratch;
    const std::string path = notes_test::PathOf("日历", "202405");
};

TEST_F(ConcurrentSave, ASaveInsideAnotherKeepsToItsOwnTemporaryFile) {
    const std::string outer(5000, 'A');
    const std::string inner = "B";
    // The second writer starts while the first is at each of its steps.
    for (const WriteStep step : {WriteStep::WriteBytes, WriteStep::Flush, WriteStep::Replace}) {
        SCOPED_TRACE(static_cast<int>(step));
        std::vector<std::string> temps;
        int innerResult = 1;
        {
            ScopedWriteHook hook(step, [&](const std::string& temp) {
                temps.push_back(temp);
                if (temps.size() == 1) innerResult = notes::WriteWholeFile(path.c_str(), inner.data(), inner.size());
            });
            EXPECT_EQ(notes::WriteWholeFile(path.c_str(), outer.data(), outer.size()), 0);
        }
        EXPECT_EQ(innerResult, 0);
        ASSERT_EQ(temps.size(), 2u);
        EXPECT_NE(temps[0], temps[1]);
        for (const std::string& temp : temps) {
            EXPECT_EQ(temp.rfind(path + ".", 0), 0u) << temp << " lies beside the note file";
            EXPECT_EQ(temp.substr(temp.size() - 4), ".tmp") << temp;
        }
        // The save that finished last wins, whole; no temporary file is left.
        EXPECT_EQ(FileContents(path), BytesOf(outer));
        EXPECT_EQ(scratch.FileCount(), 1);
    }
}

TEST_F(ConcurrentSave, AnotherWritersTemporaryFileIsNeitherUsedNorRemoved) {
    const std::string theirs = "another writer's half-written bytes";
    struct Case {
        const char* what;
        bool failAtWrite;
    };
    const Case cases[] = {{"a save that succeeds", false}, {"a save that fails", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(notes::WriteWholeFile(path.c_str(), "old", 3), 0);
        const std::string fixedName = path + ".tmp";  // what every save once used
        PlantFile(fixedName, theirs);

        // Another writer takes the very name this save picks first.
        std::string squatted;
        int namesTried = 0;
        {
            ScopedWriteHook hook(WriteStep::CreateTemp, [&](const std::string& temp) {
                if (++namesTried == 1) {
                    squatted = temp;
                    PlantFile(temp, theirs);
                }
            });
            std::optional<notes::ScopedWriteFailure> failure;
            if (c.failAtWrite) failure.emplace(WriteStep::WriteBytes);
            EXPECT_EQ(notes::WriteWholeFile(path.c_str(), "mine", 4), c.failAtWrite ? -1 : 0);
        }
        EXPECT_EQ(namesTried, 2);
        EXPECT_EQ(FileContents(path), BytesOf(c.failAtWrite ? "old" : "mine"));
        EXPECT_EQ(FileContents(squatted), BytesOf(theirs));
        EXPECT_EQ(FileContents(fixedName), BytesOf(theirs));
        EXPECT_EQ(scratch.FileCount(), 3);
        ASSERT_EQ(notes::RemoveFile(squatted.c_str()), 0);
        ASSERT_EQ(notes::RemoveFile(fixedName.c_str()), 0);
    }
}

}  // namespace
