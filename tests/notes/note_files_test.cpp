// The file utilities: entering folders, whole-file reads, removal, and the
// names of the note files.
#include "notes/NoteFiles.h"
#include "notes/NoteFilesPlatform.h"
#include "notes/NoteStore.h"

#include "scratch_dir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

using notes_test::FileContents;
using Bytes = std::vector<unsigned char>;

const std::string kCalendarGbk = "\xC8\xD5\xC0\xFA";  // 日历

TEST(NoteFiles, PathsUseThePlatformSeparator) {
#ifdef _WIN32
    EXPECT_EQ(notes::kPathSeparator, '\\');
#else
    EXPECT_EQ(notes::kPathSeparator, '/');
#endif
}

TEST(NoteFiles, NoteFileNamesAreGbkUnderTheCalendarFolder) {
    notes_test::ScratchDir scratch;
    notes_test::MakeNoteFolders();
    struct Case {
        int year, month;  // year -1: the week file
        const char* leaf;
    };
    const Case cases[] = {{2006, 12, "200612"}, {2024, 1, "202401"}, {1, 1, "101"},
                          {1, 12, "112"},       {0, 3, "003"},       {-1, 0, "week"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.leaf);
        notes::CNoteStore store;
        if (c.year < 0)
            ASSERT_EQ(store.OpenWeekly(), 0);
        else
            ASSERT_EQ(store.Open(c.year, c.month), 0);
        const std::string expected = kCalendarGbk + notes::kPathSeparator + c.leaf;
        EXPECT_EQ(std::string(store.FileName()), expected);

        ASSERT_EQ(store.Set(1, "x", 1, 0), 0);
        bool exists = false;
        FileContents(expected, &exists);
        EXPECT_TRUE(exists);
    }
    EXPECT_EQ(scratch.FileCount(), 6);
}

TEST(NoteFiles, EnsureDirEntersAndCreatesFolders) {
    notes_test::ScratchDir scratch;
    ASSERT_EQ(notes::EnsureDir("我的记事"), 0);  // created, then entered
    ASSERT_EQ(notes::WriteWholeFile("inside", "1", 1), 0);
    ASSERT_EQ(notes::EnsureDir(".."), 0);
    ASSERT_EQ(notes::EnsureDir("我的记事"), 0);  // exists: only entered
    EXPECT_EQ(FileContents("inside"), Bytes{'1'});
    ASSERT_EQ(notes::EnsureDir(".."), 0);

    // A file in the way can be neither entered nor made.
    ASSERT_EQ(notes::WriteWholeFile("plain", "1", 1), 0);
    EXPECT_EQ(notes::EnsureDir("plain"), -1);
    EXPECT_EQ(notes::EnsureDir(notes_test::PathOf("no", "such").c_str()), -1);
}

TEST(NoteFiles, ReadWholeFileGivesTheBytesAndANulAfterThem) {
    notes_test::ScratchDir scratch;
    const unsigned char bytes[] = {0x00, 0xFF, 0x1A, 0x0D, 0x0A, 0x0A, 0x7F};
    ASSERT_EQ(notes::WriteWholeFile("binary", bytes, sizeof bytes), 0);

    std::size_t size = 99;
    const auto data = notes::ReadWholeFile("binary", size);
    ASSERT_NE(data, nullptr);
    ASSERT_EQ(size, sizeof bytes);  // no text-mode translation either way
    EXPECT_EQ(std::memcmp(data.get(), bytes, sizeof bytes), 0);
    EXPECT_EQ(data[size], '\0');

    ASSERT_EQ(notes::WriteWholeFile("empty", "", 0), 0);
    const auto empty = notes::ReadWholeFile("empty", size);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(size, 0u);
    EXPECT_EQ(empty[0], '\0');

    size = 99;
    EXPECT_EQ(notes::ReadWholeFile("missing", size), nullptr);
    EXPECT_EQ(size, 0u);
}

TEST(NoteFiles, RemoveFileSucceedsWhenNoFileIsLeft) {
    notes_test::ScratchDir scratch;
    ASSERT_EQ(notes::WriteWholeFile("gone", "1", 1), 0);
    EXPECT_EQ(notes::RemoveFile("gone"), 0);
    EXPECT_EQ(scratch.FileCount(), 0);
    EXPECT_EQ(notes::RemoveFile("gone"), 0);  // already absent

    ASSERT_EQ(notes::EnsureDir("folder"), 0);
    ASSERT_EQ(notes::EnsureDir(".."), 0);
    EXPECT_EQ(notes::RemoveFile("folder"), -1);
}

TEST(NoteFiles, DeletingAStoreWhoseFileIsAFolderFails) {
    notes_test::ScratchDir scratch;
    notes_test::MakeNoteFolders();
    notes::CNoteStore store;
    ASSERT_EQ(store.Open(2030, 5), 0);
    ASSERT_EQ(notes::EnsureDir(store.FileName()), 0);  // a folder named like the file
    ASSERT_EQ(notes::EnsureDir(notes_test::PathOf("..", "..").c_str()), 0);
    EXPECT_EQ(store.Save(), -1);  // nothing to write, and the "file" cannot go
}

// Folders and files whose names hold characters no narrow code page of the
// system has: every operation reaches the same file, and a listing gives
// the name back in the bytes it was made with.
TEST(NoteFiles, NamesOutsideGbkReachTheSameFiles) {
    const std::string names[] = {
        "\x94\x39\xBC\x38",          // U+1F382, four bytes
        "\x95\x34\xB2\x35\xD5\xC5",  // U+20BB7 and 张
        "\xFE\x9F",                  // U+4DAE, a pair beyond GBK
        "caf\x81\x30\x8A\x31",       // U+00E4, four bytes below U+FFFF
    };
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        notes_test::ScratchDir scratch;
        ASSERT_EQ(notes::EnsureDir(name.c_str()), 0);
        ASSERT_EQ(notes::EnsureDir(".."), 0);
        const std::string file = notes_test::PathOf(name.c_str(), (name + ".txt").c_str());
        ASSERT_EQ(notes::WriteWholeFile(file.c_str(), "ab", 2), 0);
        EXPECT_FALSE(notes::IsMissing(file.c_str()));
        EXPECT_EQ(FileContents(file), (Bytes{'a', 'b'}));
        EXPECT_EQ(notes::platform::FilesIn(name.c_str()), std::vector<std::string>{name + ".txt"});
        EXPECT_EQ(scratch.FileCount(), 1);  // the very file, no look-alike beside it

        const std::optional<std::string> absolute = notes::AbsolutePath(file.c_str());
        ASSERT_TRUE(absolute);
        EXPECT_EQ(absolute->substr(absolute->size() - file.size()), file);
        EXPECT_EQ(notes::IdentityOf(absolute->c_str()), notes::IdentityOf(file.c_str()));
        EXPECT_TRUE(notes::IdentityOf(file.c_str()));

        ASSERT_EQ(notes::KeepDamagedCopy(file.c_str()), 0);
        EXPECT_EQ(FileContents(file + ".damaged"), (Bytes{'a', 'b'}));
        EXPECT_EQ(notes::RemoveFile(file.c_str()), 0);
        EXPECT_TRUE(notes::IsMissing(file.c_str()));
    }
}

TEST(NoteFiles, ReadFileOfAtMostGivesOnlyFilesWithinTheLimit) {
    notes_test::ScratchDir scratch;
    const std::string name = "\xBD\xDA\xBC\xD9\xC8\xD5\x94\x39\xBC\x38";  // 节假日 and U+1F382
    ASSERT_EQ(notes::WriteWholeFile(name.c_str(), "0123456789", 10), 0);
    ASSERT_EQ(notes::WriteWholeFile("empty", "", 0), 0);
    ASSERT_EQ(notes::EnsureDir("folder"), 0);
    ASSERT_EQ(notes::EnsureDir(".."), 0);
    struct Case {
        std::string path;
        std::size_t maxBytes;
        std::optional<std::string> text;
    };
    const Case cases[] = {
        {name, 10, "0123456789"}, {name, 1 << 20, "0123456789"}, {name, 9, std::nullopt},
        {"empty", 0, ""},         {"missing", 10, std::nullopt}, {"folder", 10, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(notes::ReadFileOfAtMost(c.path.c_str(), c.maxBytes), c.text) << c.path << ' ' << c.maxBytes;

    // Longer than one read's chunk, on both sides of the limit.
    const std::string large(10000, 'x');
    ASSERT_EQ(notes::WriteWholeFile("large", large.data(), large.size()), 0);
    EXPECT_EQ(notes::ReadFileOfAtMost("large", large.size()), large);
    EXPECT_EQ(notes::ReadFileOfAtMost("large", large.size() - 1), std::nullopt);
}

}  // namespace
