#include "app/CalendarApp.h"

#include "app/CalendarDlg.h"
#include "app/CommandLine.h"
#include "app/DocumentsFolder.h"
#include "app/LocalClock.h"
#include "app/NotesFolder.h"
#include "app/ProgramVersion.h"
#include "app/SingleInstance.h"
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
    return ::PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != 0;
}

// The export the command line asks for, told in a message box. It only
// reads the notes, so an open calendar does not stop it.
void ExportFromCommandLine(const Launch& launch) {
    if (launch.file.empty()) {
        fw::AfxMessageBox(kExportUsageMessage, MB_OK);
        return;
    }
    char full[MAX_PATH];
    const DWORD length = ::GetFullPathNameA(launch.file.c_str(), sizeof full, full, nullptr);
    const std::string outPath = length > 0 && length < sizeof full ? full : launch.file;
    const std::optional<std::string> folder = NotesFolderPath(DocumentsFolder().c_str());
    ics::ExportOptions options;
    options.lunarForm = launch.kind == LaunchKind::ExportIcsRscale ? ics::LunarForm::Rscale : ics::LunarForm::PerYear;
    options.fromYear = LocalToday().year;
    options.stamp = ics::UtcStamp(std::time(nullptr));
    const ics::FolderExport result = folder ? ics::ExportNotesFolder(*folder, outPath, options)
                                            : ics::FolderExport{false, "导出失败：找不到记事文件夹"};
    fw::AfxMessageBox(result.message.c_str(), MB_OK | (result.written ? MB_ICONINFORMATION : MB_ICONERROR));
}

}  // namespace

BOOL CCalendarApp::InitInstance() {
    // The manifest asks for the common controls version 6; loading them here
    // registers their window classes before the first dialog needs them.
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);

    const Launch launch = ParseCommandLine(::GetCommandLineA());
    if (launch.kind == LaunchKind::ShowVersion) {
        fw::AfxMessageBox(kVersionMessage, MB_OK | MB_ICONINFORMATION);
        return FALSE;
    }
    if (launch.kind != LaunchKind::Calendar) {
        ExportFromCommandLine(launch);
        return FALSE;
    }

    // Never closed: the marker lives exactly as long as this copy.
    const HANDLE marker = ::CreateEventA(nullptr, FALSE, FALSE, kInstanceMarkerName);
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
