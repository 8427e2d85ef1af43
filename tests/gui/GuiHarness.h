// Driving real windows from tests: pump the message queue, send mouse
// messages at client points, read a window's pixels back, and act on a
// modal dialog from inside its own message loop.
#pragma once

#include "framework/Wnd.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace gui_test {

// Dispatches messages until none has arrived for `quietMs`, through the
// wide calls, so a typed character outside the code page arrives whole.
void PumpUntilIdle(int quietMs = 50);

void MoveMouse(HWND window, POINT client);
// Real input, as the mouse gives it: the pointer to a screen point, with
// MOUSEEVENTF_LEFTDOWN / LEFTUP or no button change.
void PointerInput(POINT screen, DWORD buttons = 0);
void ReleaseLeft(HWND window, POINT client);
// Real input, as the keyboard gives it to the focused window: a press and
// release of `virtualKey`, with Ctrl held around it when `control`. Does
// not pump: a key that opens a modal loop runs it in the caller's pump.
void KeyInput(WORD virtualKey, bool control = false);
// Real input of characters, as the emoji panel or an input method gives
// them: each UTF-16 unit a press and release of its own (a character
// outside the BMP is two, its surrogates). Does not pump.
void CharacterInput(std::wstring_view units);
// KeyInput, then `pump` until one of this thread's message loops (a modal
// one too) has taken the key's release from the queue, for at most
// `limitMs`: on a busy display real input can arrive after the queue went
// quiet, and would otherwise reach a later step of the test.
void PressKey(WORD virtualKey, bool control, const std::function<void()>& pump, int limitMs = 5000);

// The client area as drawn, one 0x00BBGGRR value a pixel.
class Pixels {
public:
    static Pixels Of(HWND window);
    COLORREF At(int x, int y) const;
    int Width() const { return width_; }
    int Height() const { return height_; }
    // How many pixels of the rectangle have `colour`.
    int Count(const RECT& area, COLORREF colour) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> bgra_;
};

// Runs `action` on the active dialog of this thread (the one a modal loop
// is running) from a timer, as soon as one exists and until the action
// returns true. Returns at once; the action runs inside the modal loop that
// the caller starts next. Gives up after `limitMs`.
void WhenDialogOpens(std::function<bool(HWND dialog)> action, int limitMs = 10000);

// Fails the running test when a window or dialog procedure caught an
// exception, and forgets the catches so each is told once. Every GUI test
// program runs it at the end of each test.
void ExpectNoCaughtExceptions();

// Presses a dialog button as a click would.
void PressButton(HWND dialog, int controlId);

// A window's text, wide as the system keeps it, and as the program's narrow text.
std::wstring WideTextOf(HWND window);
std::string TextOf(HWND window);
RECT WindowRectOf(HWND window);

// A plain top-level window to parent the controls under test; it counts the
// messages it receives of one kind.
class TestParent : public fw::CWnd {
public:
    explicit TestParent(UINT countedMessage, RECT rect = {100, 100, 500, 400});
    struct Received {
        WPARAM wParam;
        LPARAM lParam;
    };
    const std::vector<Received>& received() const { return received_; }

    static const fw::MessageMap* GetThisMessageMap();
    const fw::MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

protected:
    LRESULT DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint();

private:
    UINT counted_;
    std::vector<Received> received_;
};

}  // namespace gui_test
