// CCalendarApp: the application object. It refuses a second copy of the
// program and otherwise runs the main window for the life of the process.
#pragma once

#include "framework/WinApp.h"

namespace app {

inline constexpr char kDuplicateInstanceMessage[] = "同名程序已启动，请先关闭旧程序!\n";

class CCalendarApp : public fw::CWinApp {
protected:
    BOOL InitInstance() override;
};

// Runs the main window modally until the user ends the program through the
// exit prompt. A main window destroyed any other way (the desktop it sat in
// went away when the shell restarted) is made again, top-level and with its
// tick and embedding starting over, so it can settle into the new desktop.
void RunCalendarWindows();

}  // namespace app
