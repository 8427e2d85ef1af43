// CWnd: a C++ object bound to one window.
//
// The object is passed at creation and bound on the window's first message
// (WM_NCCREATE, or WM_INITDIALOG for dialogs); it is unbound at
// WM_NCDESTROY. Messages are dispatched through the class's message table
// (MessageMap.h), falling back to the base class's table and then to the
// system's default processing. No exception leaves a window procedure.
// Every window is a Unicode window, so a typed character arrives whole;
// the framework's texts stay narrow GB18030 (WideText.h converts them).
#pragma once

#include "framework/MessageMap.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace fw {

// Any window's text as narrow text, and narrow text as its text: through
// the wide calls, so that no character is lost on the way.
std::string WindowTextOf(HWND window);
bool SetWindowTextOf(HWND window, std::string_view text);

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND hwnd() const { return hwnd_; }
    operator HWND() const { return hwnd_; }

    // The bound object of a window made by this framework, else null.
    static CWnd* FromHandle(HWND window);

    // A window class of the framework's window procedure with the given
    // class style and cursor, no icon and no background brush (the window
    // paints every pixel itself). Registered once per combination; the
    // returned name stays valid for the life of the process.
    static const char* RegisterWndClass(UINT classStyle, HCURSOR cursor);

    // Creates the window and binds this object to it.
    bool CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, const RECT& rect, HWND parent,
                  UINT id);

    // Uses a window made elsewhere (a dialog's control) without binding or
    // owning it; Detach lets it go again.
    void Attach(HWND window) { hwnd_ = window; }
    HWND Detach();

    bool DestroyWindow();

    // Default processing of the message being handled right now.
    LRESULT Default();

    // The window's text as narrow (GB18030) text.
    std::string GetWindowText() const;

    static const MessageMap* GetThisMessageMap();
    virtual const MessageMap* GetMessageMap() const { return GetThisMessageMap(); }

protected:
    // Called after the window is gone and unbound.
    virtual void PostNcDestroy() {}

    // The framework's window procedure and the shared dispatch.
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Finds a handler in the tables; true when one ran. `defaultRequested`
    // tells whether that handler asked for default processing (Default).
    bool Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result, bool& defaultRequested);
    // What default processing means for this kind of window.
    virtual LRESULT DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam);

    // `slot` is where the window keeps its object (USERDATA or DWLP_USER);
    // Unbind clears it, so no later message reaches this object.
    void Bind(HWND window, int slot);
    void Unbind();

    HWND hwnd_ = nullptr;

private:
    // Saved and restored around every handler, so that a message handled
    // inside it (a SendMessage, a modal loop) leaves both untouched.
    struct CurrentMessage {
        UINT message = 0;
        WPARAM wParam = 0;
        LPARAM lParam = 0;
        bool defaultRequested = false;
    };
    CurrentMessage current_;
    bool bound_ = false;
    int objectSlot_ = GWLP_USERDATA;

    friend class CDialog;
};

}  // namespace fw
