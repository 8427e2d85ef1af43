// The calendar on an English Windows (code page 1252, a prefix of its own
// that tools/wine-run.sh makes for VELTRANO_CODEPAGE=1252) whose documents
// folder is "C:\users\张伟\Documents", a path that code page cannot spell:
// the notes and the memo are kept there across a restart, and "/ics" writes
// into a folder of such a name. Texts in windows are not looked at here.
#include "app/DocumentsFolder.h"
#include "app/NotesFolder.h"
#include "base/WideText_win.h"
#include "resources/resource_ids.h"
#include "tests/gui/CalendarFixture.h"
#include "tests/gui/GuiHarness.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

namespace {

using base::Gb18030ToWide;

constexpr char kUserName[] = "张伟";
const std::string kNoteText = "cake at five";

std::filesystem::path WidePath(const std::string& narrow) { return std::filesystem::path(Gb18030ToWide(narrow)); }

std::string ContentsOf(const std::string& narrowPath) {
    std::ifstream in(WidePath(narrowPath), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The copy's exit code; its standard output goes to `report`.
DWORD RunCopy(const std::string& arguments, const std::string& report) {
    std::string exe = std::string("Z:") + VELTRANO_EXE;  // the build, as Wine sees it
    std::replace(exe.begin(), exe.end(), '/', '\\');
    std::wstring commandLine = Gb18030ToWide(exe + arguments);
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    const HANDLE output = ::CreateFileW(Gb18030ToWide(report).c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited,
                                        CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (output == INVALID_HANDLE_VALUE) return STILL_ACTIVE;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = output;
    PROCESS_INFORMATION process{};
    const BOOL started = ::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                          &startup, &process);
    ::CloseHandle(output);
    if (!started) return STILL_ACTIVE;
    DWORD exitCode = STILL_ACTIVE;
    if (::WaitForSingleObject(process.hProcess, 20000) == WAIT_OBJECT_0) ::GetExitCodeProcess(process.hProcess, &exitCode);
    ::TerminateProcess(process.hProcess, 1);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return exitCode;
}

// The main window over the system's own documents folder, whose notes
// folder each test starts without and leaves behind it.
class EnglishSystem : public calendar_test::CalendarTest {
protected:
    EnglishSystem() {
        app::SetDocumentsFolderSource(nullptr);
        systemDocuments = app::DocumentsFolder();
        notesFolder = app::NotesFolderPath(systemDocuments.c_str()).value_or("");
        RemoveNotesFolder();
    }
    ~EnglishSystem() override {
        window.reset();
        std::error_code ignored;
        std::filesystem::current_path(documents, ignored);  // out of the folder that goes
        RemoveNotesFolder();
        std::filesystem::remove_all(WidePath(systemDocuments + "\\" + kExportFolder), ignored);
    }
    void RemoveNotesFolder() const {
        std::error_code ignored;
        if (!notesFolder.empty()) std::filesystem::remove_all(WidePath(notesFolder), ignored);
    }

    // Types the note of the day into the editor that a click on it opens.
    void SaveNoteOfDay(int day, const std::string& text) {
        gui_test::WhenDialogOpens([&](HWND) {
            const HWND editor = calendar_test::DialogWith(IDC_ONE_OFF_EDIT);
            if (!editor) return false;
            ::SetDlgItemTextA(editor, IDC_ONE_OFF_EDIT, text.c_str());
            gui_test::PressButton(editor, IDOK);
            return true;
        });
        const view::GridPoint cell = window->MonthView()->GetCellOrigin(day);
        gui_test::ReleaseLeft(window->MonthView()->hwnd(), {cell.x + 10, cell.y + 10});
        gui_test::PumpUntilIdle();
    }

    static constexpr char kExportFolder[] = "导出 \x81\x30\x8A\x31";  // and U+00E4, four bytes of GB18030
    std::string systemDocuments;
    std::string notesFolder;
};

TEST_F(EnglishSystem, TheCodePageLacksTheDocumentsFoldersCharacters) {
    EXPECT_EQ(::GetACP(), 1252u);
    EXPECT_EQ(systemDocuments, std::string("C:\\users\\") + kUserName + "\\Documents");
    EXPECT_NE(::GetFileAttributesW(Gb18030ToWide(systemDocuments).c_str()), INVALID_FILE_ATTRIBUTES);
    char narrow[MAX_PATH] = {};
    ::WideCharToMultiByte(CP_ACP, 0, Gb18030ToWide(systemDocuments).c_str(), -1, narrow, sizeof narrow, nullptr,
                          nullptr);
    EXPECT_EQ(::GetFileAttributesA(narrow), INVALID_FILE_ATTRIBUTES) << "the narrow calls cannot reach it";
}

TEST_F(EnglishSystem, NotesAndTheMemoAreKeptThereAcrossARestart) {
    ASSERT_FALSE(notesFolder.empty());
    calendar_test::SetSetting("MemoShow", "1");
    Open();
    wchar_t current[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, current);
    EXPECT_EQ(base::WideToGb18030(current), notesFolder) << "the notes folder is entered";

    SaveNoteOfDay(20, kNoteText);
    const HWND memo = ::GetDlgItem(window->MemoPad()->hwnd(), IDC_MEMO_EDIT);
    ::SendMessageA(memo, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("memo kept"));
    gui_test::PumpUntilIdle();
    EXPECT_NE(ContentsOf(notesFolder + "\\日历\\202403").find(kNoteText), std::string::npos);
    EXPECT_EQ(ContentsOf(notesFolder + "\\备忘\\default"), "memo kept");

    window.reset();
    std::error_code ignored;
    std::filesystem::current_path(documents, ignored);
    Open();
    EXPECT_STREQ(window->MonthView()->dayNotes.Slot(20).Text(), kNoteText.c_str());
    EXPECT_EQ(gui_test::TextOf(::GetDlgItem(window->MemoPad()->hwnd(), IDC_MEMO_EDIT)), "memo kept");
}

TEST_F(EnglishSystem, AnExportReadsTheNotesThereAndWritesIntoAFolderOfAnyName) {
    Open();
    SaveNoteOfDay(20, kNoteText);
    window.reset();

    const std::string folder = systemDocuments + "\\" + kExportFolder;
    ASSERT_TRUE(::CreateDirectoryW(Gb18030ToWide(folder).c_str(), nullptr));
    const std::string file = folder + "\\" + kUserName + ".ics";
    const std::string report = folder + "\\report.txt";
    EXPECT_EQ(RunCopy(" /ics \"" + file + "\"", report), 0u);
    const std::string calendar = ContentsOf(file);
    EXPECT_EQ(calendar.rfind("BEGIN:VCALENDAR\r\n", 0), 0u) << calendar;
    EXPECT_NE(calendar.find("SUMMARY:" + kNoteText), std::string::npos) << calendar;
    EXPECT_EQ(ContentsOf(report), "已导出 1 条记事到 " + file + "\r\n") << "the report in the program's own text";
}

}  // namespace
