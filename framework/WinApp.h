// The application object: one per process, made before WinMain runs.
#pragma once

#include "framework/Wnd.h"

#include <windows.h>

#include <string>

namespace fw {

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Runs from WinMain: InitInstance, then a message loop only while a
    // main window exists. The process's exit code.
    int Run();

    // The executable's file name without its extension: the caption of
    // message boxes shown without one.
    const std::string& AppName() const { return appName_; }

    CWnd* m_pMainWnd = nullptr;

    // The one application object, or null before it is made.
    static CWinApp* Current() { return current_; }

protected:
    // FALSE ends the program at once, with the exit code set by
    // SetExitCode (0 unless set); anything else runs the message loop of the
    // main window, or ends with exit code 0 when there is none.
    virtual BOOL InitInstance() = 0;
    void SetExitCode(int code) { exitCode_ = code; }

private:
    std::string appName_;
    int exitCode_ = 0;
    static CWinApp* current_;
};

// The application's name as message box caption (the executable's file
// name without extension when no application object exists).
std::string AppName();

// A message box in the manner of the application framework: the given type
// (MB_OK gets the exclamation icon), the application's name as caption.
int AfxMessageBox(const char* text, UINT type = MB_OK);

// A message box owned by `owner` with `caption` (the application's name
// when null). Every message box of the program goes through here.
int MessageBoxFor(HWND owner, const char* text, const char* caption = nullptr, UINT type = MB_OK);

}  // namespace fw
