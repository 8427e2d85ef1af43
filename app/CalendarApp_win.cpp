#include "app/CalendarApp.h"

#include "app/CalendarDlg.h"
#include "app/CommandLine.h"
#include "app/DocumentsFolder.h"
#include "app/ExportReport.h"
#include "app/LocalClock.h"
#include "app/NotesFolder.h"
#include "app/ProgramVersion.h"
#include "app/SingleInstance.h"
#include "base/WideText_win.h"
#include "ics/NotesExport.h"

#include <commctrl.h>

#include <ctime>

#include <optional>
#include <string>
#include <utility>

namespace app {

namespace {

// The program is being ended from outside (WM_QUIT): no window is made again.
bool QuitPending() {
    MSG message;
    return ::PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != 0;
}

StandardOutput KindOfStandardOutput() {
    const HANDLE output = ::GetStdHandle(STD_OUTPUT_HANDLE);
    if (output == nullptr || output == INVALID_HANDLE_VALUE) return StandardOutput::None;
    switch (::GetFileType(output)) {
    case FILE_TYPE_DISK: return StandardOutput::File;
    case FILE_TYPE_PIPE: return StandardOutput::Pipe;
    case FILE_TYPE_CHAR: {
        DWORD mode = 0;
        return ::GetConsoleMode(output, &mode) ? StandardOutput::Console : StandardOutput::Device;
    }
    default: return StandardOutput::None;
    }
}

void WriteToStandardOutput(const std::string& lines) {
    const HANDLE output = ::GetStdHandle(STD_OUTPUT_HANDLE);
    for (std::size_t done = 0; done < lines.size();) {
        DWORD written = 0;
        if (!::WriteFile(output, lines.data() + done, static_cast<DWORD>(lines.size() - done), &written, nullptr) ||
            written == 0)
            return;  // a reader that went away gets no more
        done += written;
    }
}

// A console shows characters, not bytes of a code page.
void WriteToParentConsole(const std::string& lines) {
    const HANDLE console = ::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                         nullptr, OPEN_EXISTING, 0, nullptr);
    if (console == INVALID_HANDLE_VALUE) return;
    // The parent's prompt is already on the line: the report starts below it.
    const std::wstring text = L"\r\n" + base::Gb18030ToWide(lines);
    DWORD written = 0;
    ::WriteConsoleW(console, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    ::CloseHandle(console);
}

void Report(const std::string& message, bool success) {
    const StandardOutput output = KindOfStandardOutput();
    const bool attached =
        ChooseReportTo(output, false) == ReportTo::MessageBox && ::AttachConsole(ATTACH_PARENT_PROCESS);
    switch (ChooseReportTo(output, attached)) {
    case ReportTo::StandardOutput: WriteToStandardOutput(ReportLines(message)); break;
    case ReportTo::ParentConsole: WriteToParentConsole(ReportLines(message)); break;
    case ReportTo::MessageBox:
        fw::AfxMessageBox(message.c_str(), MB_OK | (success ? MB_ICONINFORMATION : MB_ICONERROR));
        break;
    }
}

// The export the command line asks for. It only reads the notes, so an
// open calendar does not stop it. True when the file was written.
bool ExportFromCommandLine(const Launch& launch) {
    if (launch.file.empty()) {
        Report(kExportUsageMessage, false);
        return false;
    }
    const std::optional<std::string> folder = NotesFolderPath(DocumentsFolder().c_str());
    ics::ExportOptions options;
    options.lunarForm = launch.kind == LaunchKind::ExportIcsRscale ? ics::LunarForm::Rscale : ics::LunarForm::PerYear;
    options.fromYear = LocalToday().year;
    options.stamp = ics::UtcStamp(std::time(nullptr));
    // The name is taken against this process's current directory, never the notes folder's.
    const ics::FolderExport result = folder ? ics::ExportNotesFolder(*folder, launch.file, options)
                                            : ics::FolderExport{false, "导出失败：找不到记事文件夹"};
    Report(result.message, result.written);
    return result.written;
}

}  // namespace

BOOL CCalendarApp::InitInstance() {
    // The manifest asks for the common controls version 6; loading them here
    // registers their window classes before the first dialog needs them.
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);

    // Wide, so a file name with any character reaches the export.
    const Launch launch = ParseCommandLine(base::WideToGb18030(::GetCommandLineW()).c_str());
    if (launch.kind == LaunchKind::ShowVersion) {
        fw::AfxMessageBox(kVersionMessage, MB_OK | MB_ICONINFORMATION);
        return FALSE;
    }
    if (launch.kind != LaunchKind::Calendar) {
        SetExitCode(ExportExitCode(ExportFromCommandLine(launch)));
        return FALSE;
    }

    // Never closed: the marker lives exactly as long as this copy.
    const HANDLE marker = ::CreateEventW(nullptr, FALSE, FALSE, base::Gb18030ToWide(kInstanceMarkerName).c_str());
    if (JudgeInstanceMarker(marker != nullptr, ::GetLastError()) == InstanceStart::Duplicate) {
        fw::AfxMessageBox(kDuplicateInstanceMessage, MB_OK);
        return -1;
    }
    RunCalendarWindows();
    return FALSE;
}

void RunCalendarWindows() {
    std::optional<std::string> unsavedMemo;
    for (;;) {
        CCalendarDlg window;
        if (unsavedMemo) window.TakeOverMemo(std::move(*unsavedMemo));
        fw::CWinApp* const app = fw::CWinApp::Current();
        if (app) app->m_pMainWnd = &window;
        const INT_PTR result = window.DoModal();
        if (app) app->m_pMainWnd = nullptr;
        if (window.ExitChosen() || result == -1 || QuitPending()) return;
        unsavedMemo = window.UnsavedMemo();
    }
}

}  // namespace app
