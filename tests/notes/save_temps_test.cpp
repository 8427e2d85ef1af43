// What saves cut short leave behind: the temporary files' names read back
// strictly, and the clean-up at start, on real files, that removes only
// those of processes that have ended.
#include "notes/NoteFiles.h"
#include "notes/NoteFilesPlatform.h"
#include "notes/NoteFilesTestSeam.h"
#include "notes/SaveTemps.h"

#include "scratch_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

using notes::SaveTempOwner;
using notes::TempFolder;

TEST(SaveTempOwner, ReadsOnlyTheNamesASaveGivesInItsFolder) {
    struct Case {
        const char* name;
        TempFolder folder;
        std::optional<unsigned long> owner;
    };
    const std::optional<unsigned long> none;
    const Case cases[] = {
        {"default.1234.0.tmp", TempFolder::Memo, 1234},
        {"default.4294967295.4294967295.tmp", TempFolder::Memo, 4294967295ul},
        {"202603.88.7.tmp", TempFolder::Calendar, 88},
        {"190001.1.0.tmp", TempFolder::Calendar, 1},
        {"week.5.12.tmp", TempFolder::Calendar, 5},
        {"001.5.0.tmp", TempFolder::Calendar, 5},  // lunar-yearly, first month
        {"112.5.0.tmp", TempFolder::Calendar, 5},  // Gregorian-yearly, December
        // Each file's name in the other folder.
        {"default.1234.0.tmp", TempFolder::Calendar, none},
        {"202603.88.7.tmp", TempFolder::Memo, none},
        // Numbers std::to_string never writes, or too large for an id.
        {"default.0.1.tmp", TempFolder::Memo, none},
        {"default.01234.0.tmp", TempFolder::Memo, none},
        {"default.1234.00.tmp", TempFolder::Memo, none},
        {"default.4294967296.0.tmp", TempFolder::Memo, none},
        {"default.1234.4294967296.tmp", TempFolder::Memo, none},
        {"default.99999999999.0.tmp", TempFolder::Memo, none},
        {"default.-5.0.tmp", TempFolder::Memo, none},
        {"default.+5.0.tmp", TempFolder::Memo, none},
        {"default. 5.0.tmp", TempFolder::Memo, none},
        {"default.5a.0.tmp", TempFolder::Memo, none},
        // Missing or extra parts.
        {"default.1234.tmp", TempFolder::Memo, none},
        {"default..0.tmp", TempFolder::Memo, none},
        {"default.1234..tmp", TempFolder::Memo, none},
        {".1234.0.tmp", TempFolder::Memo, none},
        {"default.1234.0.tmp.bak", TempFolder::Memo, none},
        {"default.1234.0.TMP", TempFolder::Memo, none},
        {"default.1234.0.tmp.5.0.tmp", TempFolder::Memo, none},
        {"x.default.1234.0.tmp", TempFolder::Memo, none},
        {"Default.1234.0.tmp", TempFolder::Memo, none},
        {"default", TempFolder::Memo, none},
        {"default.damaged", TempFolder::Memo, none},
        {".tmp", TempFolder::Memo, none},
        {"", TempFolder::Memo, none},
        // Names no note file has.
        {"202613.5.0.tmp", TempFolder::Calendar, none},
        {"202600.5.0.tmp", TempFolder::Calendar, none},
        {"201.5.0.tmp", TempFolder::Calendar, none},
        {"012026.5.0.tmp", TempFolder::Calendar, none},
        {"20263.5.0.tmp", TempFolder::Calendar, none},
        {"2026033.5.0.tmp", TempFolder::Calendar, none},
        {"week2.5.0.tmp", TempFolder::Calendar, none},
        {"Week.5.0.tmp", TempFolder::Calendar, none},
        {"202603.damaged.5.0.tmp", TempFolder::Calendar, none},
    };
    for (const Case& c : cases) EXPECT_EQ(SaveTempOwner(c.name, c.folder), c.owner) << '"' << c.name << '"';
}

// The names a save really makes are the ones read back, with this process's id.
TEST(SaveTempOwner, ReadsTheTemporaryFileASaveMakes) {
    notes_test::ScratchDir scratch;
    notes_test::MakeNoteFolders();
    struct Case {
        const char* folder;
        const char* file;
        TempFolder kind;
    };
    const Case cases[] = {{"日历", "202603", TempFolder::Calendar}, {"日历", "week", TempFolder::Calendar},
                          {"备忘", "default", TempFolder::Memo}};
    for (const Case& c : cases) {
        std::string temp;
        const notes::ScopedWriteHook hook(notes::WriteStep::CreateTemp, [&temp](const std::string& path) { temp = path; });
        const std::string path = notes_test::PathOf(c.folder, c.file);
        ASSERT_EQ(notes::WriteWholeFile(path.c_str(), "x", 1), 0);
        const std::string leaf = temp.substr(std::string(c.folder).size() + 1);
        EXPECT_EQ(SaveTempOwner(leaf, c.kind), notes::platform::ProcessId()) << temp;
    }
}

// A process id that names no running process.
unsigned long EndedProcessId() {
#ifdef _WIN32
    return 0xFFFFFFF0ul;  // ids are multiples of 4 handed out from the bottom; none gets this high
#else
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);  // reaped: the id is free again
    return static_cast<unsigned long>(child);
#endif
}

// Narrow GBK names throughout, as the program passes them to the system.
void Plant(const std::string& path) { ASSERT_EQ(notes::WriteWholeFile(path.c_str(), "half", 4), 0) << path; }

std::vector<std::string> FilesIn(const char* folder) {
    std::vector<std::string> names = notes::platform::FilesIn(folder);
    std::sort(names.begin(), names.end());
    return names;
}

TEST(RemoveAbandonedTemps, RemovesTheTemporariesOfEndedProcessesAndNothingElse) {
    notes_test::ScratchDir scratch;
    notes_test::MakeNoteFolders();
    const std::string dead = std::to_string(EndedProcessId());
    const std::string alive = std::to_string(notes::platform::ProcessId());
    ASSERT_EQ(notes::platform::StateOfProcess(std::stoul(dead)), notes::platform::ProcessState::Ended);
    ASSERT_EQ(notes::platform::StateOfProcess(std::stoul(alive)), notes::platform::ProcessState::Running);

    const std::vector<std::string> goes = {"202603." + dead + ".0.tmp", "week." + dead + ".3.tmp"};
    const std::vector<std::string> calendarStays = {
        "202603",                                // the note file itself
        "202603." + alive + ".1.tmp",            // a save of a running copy
        "202603." + dead + ".0.tmp.bak",         // look-alikes of an ended process's
        "notes." + dead + ".0.tmp",
        "default." + dead + ".0.tmp",            // the memo's name, in the wrong folder
        "202603." + dead + ".007.tmp",
    };
    for (const auto& name : goes) Plant(notes_test::PathOf("日历", name.c_str()));
    for (const auto& name : calendarStays) Plant(notes_test::PathOf("日历", name.c_str()));
    // A folder of a temporary file's name is no file of a save.
    const std::string folderOfThatName = notes_test::PathOf("日历", ("202604." + dead + ".0.tmp").c_str());
    ASSERT_EQ(notes::platform::MakeDir(folderOfThatName.c_str()), 0);
    Plant(notes_test::PathOf("备忘", ("default." + dead + ".2.tmp").c_str()));
    Plant(notes_test::PathOf("备忘", ("default." + alive + ".2.tmp").c_str()));
    Plant(notes_test::PathOf("备忘", "default"));
    Plant("default." + dead + ".0.tmp");  // outside both folders

    EXPECT_EQ(notes::RemoveAbandonedTemps(), 3);

    std::vector<std::string> calendar = calendarStays;
    std::sort(calendar.begin(), calendar.end());
    EXPECT_EQ(FilesIn("日历"), calendar);
    EXPECT_FALSE(notes::IsMissing(folderOfThatName.c_str()));
    EXPECT_EQ(FilesIn("备忘"), (std::vector<std::string>{"default", "default." + alive + ".2.tmp"}));
    EXPECT_FALSE(notes::IsMissing(("default." + dead + ".0.tmp").c_str()));
}

}  // namespace
