#include "app/CalendarApp.h"

#include "app/CalendarDlg.h"
#include "app/CommandLine.h"
#include "app/ProgramVersion.h"
#include "app/SingleInstance.h"

#include <commctrl.h>

#include <cstdlib>

namespace app {

namespace {

// The program is being ended from outside (WM_QUIT): no window is made again.
bool QuitPending() {
    MSG message;
    return ::PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != 0;
}

}  // namespace

BOOL CCalendarApp::InitInstance() {
    // The manifest asks for the common controls version 6; loading them here
    // registers their window classes before the first dialog needs them.
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);

    if (ParseCommandLine(__argc, __argv).action == StartAction::ShowVersion) {
        fw::AfxMessageBox(kVersionMessage, MB_OK | MB_ICONINFORMATION);
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
    for (;;) {
        CCalendarDlg window;
        fw::CWinApp* const app = fw::CWinApp::Current();
        if (app) app->m_pMainWnd = &window;
        const INT_PTR result = window.DoModal();
        if (app) app->m_pMainWnd = nullptr;
        if (window.ExitChosen() || result == -1 || QuitPending()) return;
    }
}

}  // namespace app
