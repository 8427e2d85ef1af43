#include "app/CalendarApp.h"

#include "app/CalendarDlg.h"
#include "app/SingleInstance.h"

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

}  // namespace

BOOL CCalendarApp::InitInstance() {
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
