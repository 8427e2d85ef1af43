// A second copy of Veltrano.exe while this process holds the marker of a
// running copy, openable or made with rights that let nobody open it: one
// message, no window, exit code 0. "/version" gets the version message the
// same way.
#include "app/CalendarApp.h"
#include "app/CommandLine.h"
#include "app/DocumentsFolder.h"
#include "app/NotesFolder.h"
#include "app/ProgramVersion.h"
#include "app/SingleInstance.h"
#include "tests/gui/CalendarFixture.h"
#include "tests/gui/GuiHarness.h"

#include <fstream>
#include <iterator>

namespace {

struct SecondCopy {
    DWORD process = 0;
    std::vector<HWND> windows;  // every window it showed
    std::vector<std::string> texts;
    DWORD exitCode = STILL_ACTIVE;
};

// Keeps and closes each new window of the copy; a message box has a text.
BOOL CALLBACK CloseWindowsOf(HWND window, LPARAM param) {
    auto& copy = *reinterpret_cast<SecondCopy*>(param);
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    if (process != copy.process || !::IsWindowVisible(window) ||
        std::find(copy.windows.begin(), copy.windows.end(), window) != copy.windows.end())
        return TRUE;
    char text[256] = {};
    ::GetWindowTextA(::GetDlgItem(window, 0xFFFF), text, sizeof text);
    copy.windows.push_back(window);
    copy.texts.push_back(text);
    ::PostMessageA(window, WM_COMMAND, IDOK, 0);
    return TRUE;
}

// `output`: a file the copy gets as its standard output, as a script's
// redirection hands it; when empty, no standard handles at all, as the
// shell starts a program from a shortcut (Wine would otherwise hand on
// this test's own).
SecondCopy RunSecondCopy(const std::string& arguments = "", const std::string& output = "") {
    std::string commandLine = std::string("Z:") + VELTRANO_EXE;  // the build, as Wine sees it
    std::replace(commandLine.begin(), commandLine.end(), '/', '\\');
    commandLine += arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    SecondCopy copy;
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    const HANDLE file = output.empty() ? INVALID_HANDLE_VALUE
                                       : ::CreateFileA(output.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited,
                                                       CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    startup.dwFlags = STARTF_USESTDHANDLES;
    if (file != INVALID_HANDLE_VALUE) startup.hStdOutput = file;
    const BOOL started = ::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, file != INVALID_HANDLE_VALUE,
                                          0, nullptr, nullptr, &startup, &process);
    if (file != INVALID_HANDLE_VALUE) ::CloseHandle(file);
    if (!started) return copy;
    copy.process = process.dwProcessId;
    for (int waited = 0; waited < 20000 && ::WaitForSingleObject(process.hProcess, 50) == WAIT_TIMEOUT; waited += 50)
        ::EnumWindows(&CloseWindowsOf, reinterpret_cast<LPARAM>(&copy));
    ::GetExitCodeProcess(process.hProcess, &copy.exitCode);
    ::TerminateProcess(process.hProcess, 1);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return copy;
}

class Instance : public calendar_test::CalendarTest {};  // a loopback news host, should a window start

TEST_F(Instance, ASecondCopyIsToldOnceAndEndsWithZero) {
    SECURITY_DESCRIPTOR nobody{};
    ::InitializeSecurityDescriptor(&nobody, SECURITY_DESCRIPTOR_REVISION);
    ACL empty{};
    ::InitializeAcl(&empty, sizeof empty, ACL_REVISION);
    ::SetSecurityDescriptorDacl(&nobody, TRUE, &empty, FALSE);
    SECURITY_ATTRIBUTES lockedOut{sizeof lockedOut, &nobody, FALSE};
    for (SECURITY_ATTRIBUTES* rights : {static_cast<SECURITY_ATTRIBUTES*>(nullptr), &lockedOut}) {
        const HANDLE marker = ::CreateEventA(rights, FALSE, FALSE, app::kInstanceMarkerName);
        ASSERT_NE(marker, nullptr);
        if (rights) {
            ASSERT_EQ(::CreateEventA(nullptr, FALSE, FALSE, app::kInstanceMarkerName), nullptr);
        }
        const SecondCopy copy = RunSecondCopy();
        ::CloseHandle(marker);
        EXPECT_EQ(copy.texts, std::vector<std::string>{app::kDuplicateInstanceMessage}) << (rights != nullptr);
        EXPECT_EQ(copy.exitCode, 0u) << (rights != nullptr);
    }
}

// An export beside a running copy: no window, one message, the file. The
// copy reads the system's documents folder, whose notes folder may or may
// not have been made by earlier runs.
TEST_F(Instance, AnExportRunsBesideARunningCopyAndSaysWhatItWrote) {
    const HANDLE marker = ::CreateEventA(nullptr, FALSE, FALSE, app::kInstanceMarkerName);
    ASSERT_NE(marker, nullptr);
    char temp[MAX_PATH] = {};
    ASSERT_GT(::GetTempPathA(sizeof temp, temp), 0u);
    const std::string file = std::string(temp) + "veltrano-export-test.ics";
    ::DeleteFileA(file.c_str());
    const SecondCopy copy = RunSecondCopy(" /ics \"" + file + "\"");
    ::CloseHandle(marker);

    app::SetDocumentsFolderSource(nullptr);
    const std::string notesFolder = app::NotesFolderPath(app::DocumentsFolder().c_str()).value_or("");
    const bool hasNotes = ::GetFileAttributesA(notesFolder.c_str()) != INVALID_FILE_ATTRIBUTES;
    ASSERT_EQ(copy.texts.size(), 1u);
    const std::string& text = copy.texts[0];
    if (hasNotes) {
        EXPECT_EQ(text.rfind("已导出 ", 0), 0u) << text;
        EXPECT_NE(text.find(" 条记事到 " + file), std::string::npos) << text;
        std::ifstream written(file, std::ios::binary);
        std::string head(17, '\0');
        written.read(head.data(), 17);
        EXPECT_EQ(head, "BEGIN:VCALENDAR\r\n");
    } else {
        EXPECT_EQ(text, "导出失败：找不到记事文件夹 " + notesFolder);
        EXPECT_EQ(::GetFileAttributesA(file.c_str()), INVALID_FILE_ATTRIBUTES);
    }
    EXPECT_EQ(copy.exitCode, hasNotes ? 0u : 1u);
    ::DeleteFileA(file.c_str());
}

std::string ContentsOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Started with its standard output going to a file, as a script or a
// scheduled task starts it: the result is written there, the exit code
// tells it, and no window waits for anyone.
TEST_F(Instance, AnExportWithSomewhereToWriteOpensNoWindow) {
    char temp[MAX_PATH] = {};
    ASSERT_GT(::GetTempPathA(sizeof temp, temp), 0u);
    const std::string file = std::string(temp) + "veltrano-export-test2.ics";
    const std::string report = std::string(temp) + "veltrano-export-report.txt";
    ::DeleteFileA(file.c_str());
    app::SetDocumentsFolderSource(nullptr);
    const std::string notesFolder = app::NotesFolderPath(app::DocumentsFolder().c_str()).value_or("");
    const bool hasNotes = ::GetFileAttributesA(notesFolder.c_str()) != INVALID_FILE_ATTRIBUTES;

    SecondCopy copy = RunSecondCopy(" /ics \"" + file + "\"", report);
    EXPECT_TRUE(copy.windows.empty()) << copy.texts.front();
    std::string text = ContentsOf(report);
    if (hasNotes) {
        EXPECT_EQ(text.rfind("已导出 ", 0), 0u) << text;
        EXPECT_EQ(text.substr(text.find(" 条记事到 ")), " 条记事到 " + file + "\r\n") << text;
        EXPECT_EQ(copy.exitCode, 0u);
    } else {
        EXPECT_EQ(text, "导出失败：找不到记事文件夹 " + notesFolder + "\r\n");
        EXPECT_EQ(copy.exitCode, 1u);
    }
    ::DeleteFileA(file.c_str());

    copy = RunSecondCopy(" /ics", report);  // no file named: a failure
    EXPECT_TRUE(copy.windows.empty()) << copy.texts.front();
    EXPECT_EQ(ContentsOf(report), std::string(app::kExportUsageMessage) + "\r\n");
    EXPECT_EQ(copy.exitCode, 1u);
    ::DeleteFileA(report.c_str());
}

// What saves cut short left behind: at start the calendar removes the
// temporary file of a copy that has ended, keeps that of a running one
// (this process) and every file of another name.
TEST_F(Instance, AtStartTheTemporaryFilesOfEndedCopiesGo) {
    char temp[MAX_PATH] = {};
    ASSERT_GT(::GetTempPathA(sizeof temp, temp), 0u);
    const std::string report = std::string(temp) + "veltrano-ended-copy.txt";
    const SecondCopy ended = RunSecondCopy(" /ics", report);  // a copy that starts and ends
    ::DeleteFileA(report.c_str());
    ASSERT_NE(ended.exitCode, STILL_ACTIVE);
    const std::string dead = std::to_string(ended.process), alive = std::to_string(::GetCurrentProcessId());

    const std::string notesFolder = documents + "\\" + app::kNotesFolderName;
    for (const std::string& folder : {notesFolder, notesFolder + "\\日历", notesFolder + "\\备忘"})
        ASSERT_TRUE(::CreateDirectoryA(folder.c_str(), nullptr)) << folder;
    const std::vector<std::string> goes = {notesFolder + "\\备忘\\default." + dead + ".0.tmp",
                                           notesFolder + "\\日历\\202603." + dead + ".4.tmp"};
    const std::vector<std::string> stays = {notesFolder + "\\备忘\\default." + alive + ".0.tmp",
                                            notesFolder + "\\备忘\\default." + dead + ".0.tmp.old",
                                            notesFolder + "\\日历\\202603." + dead + ".4.tmp.1"};
    for (const auto* files : {&goes, &stays})
        for (const std::string& file : *files) std::ofstream(file, std::ios::binary) << "half";

    Open();
    gui_test::PumpUntilIdle();
    for (const std::string& file : goes) EXPECT_EQ(::GetFileAttributesA(file.c_str()), INVALID_FILE_ATTRIBUTES) << file;
    for (const std::string& file : stays) EXPECT_NE(::GetFileAttributesA(file.c_str()), INVALID_FILE_ATTRIBUTES) << file;
}

TEST_F(Instance, TheVersionSwitchShowsTheVersionOnlyAndEndsWithZero) {
    const SecondCopy copy = RunSecondCopy(" /version");
    EXPECT_EQ(copy.texts, std::vector<std::string>{app::kVersionMessage});
    EXPECT_EQ(copy.exitCode, 0u);
}

}  // namespace
