// A second copy of Veltrano.exe while this process holds the marker of a
// running copy, openable or made with rights that let nobody open it: one
// message, no window, exit code 0. "/version" gets the version message the
// same way.
#include "app/CalendarApp.h"
#include "app/DocumentsFolder.h"
#include "app/NotesFolder.h"
#include "app/ProgramVersion.h"
#include "app/SingleInstance.h"
#include "tests/gui/CalendarFixture.h"

#include <fstream>

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

SecondCopy RunSecondCopy(const std::string& arguments = "") {
    std::string commandLine = std::string("Z:") + VELTRANO_EXE;  // the build, as Wine sees it
    std::replace(commandLine.begin(), commandLine.end(), '/', '\\');
    commandLine += arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    SecondCopy copy;
    if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process))
        return copy;
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
    EXPECT_EQ(copy.exitCode, 0u);
    ::DeleteFileA(file.c_str());
}

TEST_F(Instance, TheVersionSwitchShowsTheVersionOnlyAndEndsWithZero) {
    const SecondCopy copy = RunSecondCopy(" /version");
    EXPECT_EQ(copy.texts, std::vector<std::string>{app::kVersionMessage});
    EXPECT_EQ(copy.exitCode, 0u);
}

}  // namespace
