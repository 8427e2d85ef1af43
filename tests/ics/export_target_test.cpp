// Where the export may write: the folders a path lies in, the decision on
// their identities, and real exports aimed at the notes folder by every
// spelling of it the system allows.
#include "ics/ExportTarget.h"
#include "ics/NotesExport.h"
#include "notes/NoteFiles.h"
#include "notes/NoteFilesPlatform.h"

#include "tests/notes/scratch_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;
using ics::TargetPlace;
using Chain = std::vector<std::string>;

TEST(PathAndItsFolders, ClimbsToTheRootOfEveryForm) {
    const std::pair<std::string, Chain> cases[] = {
        {"C:\\a\\b\\x.ics", {"C:\\a\\b\\x.ics", "C:\\a\\b", "C:\\a", "C:\\"}},
        {"C:/a/x.ics", {"C:/a/x.ics", "C:/a", "C:/"}},
        {"C:\\x.ics", {"C:\\x.ics", "C:\\"}},
        {"\\\\?\\C:\\a\\x.ics", {"\\\\?\\C:\\a\\x.ics", "\\\\?\\C:\\a", "\\\\?\\C:\\"}},
        {"\\\\.\\C:\\a\\x.ics", {"\\\\.\\C:\\a\\x.ics", "\\\\.\\C:\\a", "\\\\.\\C:\\"}},
        {"\\\\srv\\share\\d\\x.ics", {"\\\\srv\\share\\d\\x.ics", "\\\\srv\\share\\d", "\\\\srv\\share\\"}},
        {"\\\\?\\UNC\\srv\\share\\x.ics", {"\\\\?\\UNC\\srv\\share\\x.ics", "\\\\?\\UNC\\srv\\share\\"}},
        {"/h/notes/x.ics", {"/h/notes/x.ics", "/h/notes", "/h", "/"}},
        {"C:\\a\\\\x.ics", {"C:\\a\\\\x.ics", "C:\\a\\", "C:\\a", "C:\\"}},  // a doubled separator
        {"C:\\a\\dir\\", {"C:\\a\\dir\\", "C:\\a", "C:\\"}},                  // a trailing one
        // "\x95\x5C" is one GBK character whose second byte is '\\'.
        {"C:\\\x95\x5C\\x.ics", {"C:\\\x95\x5C\\x.ics", "C:\\\x95\x5C", "C:\\"}},
        {"C:\\", {"C:\\"}},
        {"", {}},
    };
    for (const auto& [path, chain] : cases) EXPECT_EQ(ics::PathAndItsFolders(path), chain) << path;
}

TEST(PlaceOfTarget, AnyFolderOnTheWayThatIsANotesFolderRefuses) {
    const notes::FileIdentity notesFolder{7, 100}, calendar{7, 101}, memo{7, 102}, elsewhere{7, 200},
        sameNumberOtherVolume{8, 100}, root{7, 2};
    const std::vector<notes::FileIdentity> all = {notesFolder, calendar, memo};
    const std::optional<notes::FileIdentity> gone;
    struct Case {
        std::vector<std::optional<notes::FileIdentity>> chain;  // the file first
        std::vector<notes::FileIdentity> notesFolders;
        TargetPlace place;
    };
    const Case cases[] = {
        {{gone, elsewhere, root}, all, TargetPlace::Outside},
        {{gone, notesFolder, root}, all, TargetPlace::InNotesFolder},
        {{gone, calendar, root}, all, TargetPlace::InNotesFolder},  // a link straight to "日历"
        {{gone, memo, root}, all, TargetPlace::InNotesFolder},
        {{gone, elsewhere, notesFolder, root}, all, TargetPlace::InNotesFolder},  // deeper inside
        {{gone, gone, notesFolder, root}, all, TargetPlace::InNotesFolder},       // a folder not made yet
        {{gone, gone, elsewhere, root}, all, TargetPlace::Outside},
        {{elsewhere, elsewhere, root}, all, TargetPlace::Outside},  // a file there already
        {{gone, sameNumberOtherVolume, root}, all, TargetPlace::Outside},
        {{gone, gone, gone}, all, TargetPlace::Unknown},            // nothing on the way could be told
        {{gone, elsewhere, root}, {}, TargetPlace::Unknown},        // nor the notes folder
        {{gone, calendar}, {notesFolder}, TargetPlace::Outside},    // only the folders given count
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(ics::PlaceOfTarget(cases[i].chain, cases[i].notesFolders), cases[i].place) << "case " << i;
}

const std::string kNote("\x64\x00\x01\x00\x02\x00\x00\x00\x00\x00" "ab", 12);  // "ab" on day 1

// Narrow GBK names, as the program passes them to the system (the scratch
// folder's own path is ASCII).
std::string Contents(const std::string& path) {
    std::size_t size = 0;
    const auto data = notes::ReadWholeFile(path.c_str(), size);
    return data ? std::string(data.get(), size) : std::string("(none)");
}

// A notes folder with one note file in a scratch folder, which is the
// current directory at every export.
class ExportTarget : public ::testing::Test {
protected:
    ExportTarget() {
        for (const std::string& folder : {notesFolder, notesFolder + sep + "日历", notesFolder + sep + "备忘"})
            EXPECT_EQ(notes::platform::MakeDir(folder.c_str()), 0) << folder;
        EXPECT_EQ(notes::WriteWholeFile(note.c_str(), kNote.data(), kNote.size()), 0);
    }

    ics::FolderExport Export(const std::string& name) {
        fs::current_path(root);
        const ics::FolderExport result = ics::ExportNotesFolder(notesFolder, name, {});
        fs::current_path(root);
        return result;
    }

    void ExpectRefused(const std::string& name) {
        const ics::FolderExport result = Export(name);
        EXPECT_FALSE(result.written) << name;
        EXPECT_EQ(result.message.find("导出失败：不能写到记事文件夹里 "), 0u) << result.message;
        EXPECT_EQ(Contents(note), kNote) << name;
    }

    notes_test::ScratchDir scratch;
    const std::string sep{notes::kPathSeparator};
    const std::string root = fs::current_path().string();
    const std::string notesFolder = root + sep + "我的记事";
    const std::string note = notesFolder + sep + "日历" + sep + "202603";
};

TEST_F(ExportTarget, EveryPathIntoTheNotesFolderIsRefused) {
    fs::create_directory(fs::path(root) / "sub");
    const std::string& folder = notesFolder;
    const std::vector<std::string> names = {
        folder + sep + "日历" + sep + "202603",
        folder + sep + "备忘" + sep + "default",
        folder + sep + "x.ics",
        folder + sep + "new" + sep + "x.ics",  // a folder not there yet
        "我的记事" + sep + "日历" + sep + "202603",  // relative to the current directory
        "sub" + sep + ".." + sep + "我的记事" + sep + "日历" + sep + "202603",
        folder + sep + sep + "日历" + sep + "202603",
    };
    for (const std::string& name : names) ExpectRefused(name);
}

TEST_F(ExportTarget, ALinkToTheNotesFolderOrItsSubfoldersIsRefused) {
    for (const std::string target : {"", "日历", "备忘"}) {
        const std::string link = "link-" + target;
        const std::string to = target.empty() ? notesFolder : notesFolder + sep + target;
#ifdef _WIN32
        // Wine 8 makes links that cannot be followed (a write through one
        // fails too): the short names and prefixes below stand in there.
        if (!::CreateSymbolicLinkA(link.c_str(), to.c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY) ||
            !notes::IdentityOf(link.c_str()))
            continue;
#else
        ASSERT_EQ(::symlink(to.c_str(), link.c_str()), 0) << link;
#endif
        ExpectRefused(root + sep + link + sep + "202603");
        ExpectRefused(link + sep + "x.ics");
    }
}

#ifdef _WIN32
TEST_F(ExportTarget, OtherWindowsSpellingsOfTheNotesFolderAreRefused) {
    const std::string& folder = notesFolder;
    char shortName[MAX_PATH] = {};
    ASSERT_GT(::GetShortPathNameA(folder.c_str(), shortName, sizeof shortName), 0u);
    std::string forward = folder;
    std::replace(forward.begin(), forward.end(), '\\', '/');
    for (const std::string& name : {std::string(shortName) + "\\日历\\202603", "\\\\?\\" + folder + "\\日历\\202603",
                                    "\\\\.\\" + folder + "\\日历\\202603", forward + "/日历/202603"})
        ExpectRefused(name);
}

// A drive letter made for a folder (SUBST): the same folder, refused, or
// refused as a place that cannot be told where the system cannot open it.
TEST_F(ExportTarget, ADriveLetterForTheNotesFolderIsRefused) {
    const DWORD used = ::GetLogicalDrives();
    char drive[] = "?:";
    for (char letter = 'P'; letter <= 'Y' && drive[0] == '?'; ++letter)
        if (!(used & (1u << (letter - 'A')))) drive[0] = letter;
    ASSERT_NE(drive[0], '?');
    ASSERT_TRUE(::DefineDosDeviceA(0, drive, notesFolder.c_str()));
    const ics::FolderExport result = Export(std::string(drive) + "\\日历\\202603");
    ::DefineDosDeviceA(DDD_REMOVE_DEFINITION | DDD_EXACT_MATCH_ON_REMOVE, drive, notesFolder.c_str());
    EXPECT_FALSE(result.written);
    EXPECT_EQ(result.message.find("导出失败："), 0u) << result.message;
    EXPECT_EQ(Contents(note), kNote);
}
#endif

// A relative name is taken against the current directory, however long,
// and never against the notes folder. A full path past the 260 of a path
// buffer is refused where the system cannot make it (Wine's ANSI calls).
TEST_F(ExportTarget, ARelativeNameNeverLandsInTheNotesFolder) {
    fs::path deep(root);
    // 251 characters: a note file's name after it passes the 260 of a path buffer.
    while (deep.string().size() + 21 < 250) deep /= std::string(20, 'd');
    deep /= std::string(251 - deep.string().size() - 1, 'e');
    fs::create_directories(deep);
    const std::string calendarNote = "日历" + sep + "202603";
    for (const std::string& current : {root, deep.string()}) {
        fs::current_path(current);
        const ics::FolderExport result = ics::ExportNotesFolder(notesFolder, calendarNote, {});
        fs::current_path(root);
        EXPECT_FALSE(result.written);  // no "日历" there
        if (result.message != "导出失败：无法确定文件的完整路径 " + calendarNote || current == root) {
            EXPECT_EQ(result.message, "导出失败：无法写入 " + current + sep + calendarNote);
        }
        EXPECT_EQ(Contents(note), kNote);
    }
}

TEST_F(ExportTarget, AFileOutsideIsWrittenWhereItsNameSays) {
    const std::string lookAlike = root + sep + "我的记事2";  // begins with the notes folder's name
    ASSERT_EQ(notes::platform::MakeDir(lookAlike.c_str()), 0);
    const std::pair<std::string, std::string> cases[] = {
        {root + sep + "out.ics", root + sep + "out.ics"},
        {"relative.ics", root + sep + "relative.ics"},
        {lookAlike + sep + "x.ics", lookAlike + sep + "x.ics"},
    };
    for (const auto& [name, path] : cases) {
        const ics::FolderExport result = Export(name);
        EXPECT_TRUE(result.written) << result.message;
        EXPECT_EQ(result.message, "已导出 1 条记事到 " + path);
        EXPECT_EQ(Contents(path).rfind("BEGIN:VCALENDAR\r\n", 0), 0u) << name;
    }
    EXPECT_EQ(Contents(note), kNote);
}

TEST_F(ExportTarget, ANameThatCannotBeMadeAbsoluteIsRefused) {
    const ics::FolderExport result = Export("");
    EXPECT_FALSE(result.written);
    EXPECT_EQ(result.message, "导出失败：无法确定文件的完整路径 ");
}

}  // namespace
