// What the memo pad and the memo tab need of the main window that owns them.
#pragma once

#include <windows.h>

namespace app {

class MemoPadHost {
public:
    // Shows the pad and hides the tab; remembers "MemoShow" = "1".
    virtual void ShowMemoPad() = 0;
    // Hides the pad and shows the tab; remembers "MemoShow" = "0".
    virtual void HideMemoPad() = 0;
    // The system asks `asking`, one of the program's top-level windows,
    // whether the session may end: TRUE, or FALSE while the memo is only in
    // the pad.
    virtual BOOL QueryEndSession(HWND asking) = 0;
    // The session ends now, or goes on after all: the memo's last save.
    virtual void EndSession() = 0;

protected:
    ~MemoPadHost() = default;
};

}  // namespace app
