// The one window both start-up yardsticks show: a popup of the calendar's
// size at its default place, filled with the title strip's colour. `paint`
// draws what a program adds over the fill (nothing for the empty window).
#pragma once

#include <windows.h>

namespace startup {

using PaintOver = void (*)(HDC dc);

namespace detail {

inline PaintOver paintOver = nullptr;

inline LRESULT CALLBACK StripWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            HBRUSH brush = CreateSolidBrush(RGB(50, 80, 90));
            FillRect(dc, &paint.rcPaint, brush);
            DeleteObject(brush);
            if (paintOver) paintOver(dc);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_DESTROY: PostQuitMessage(0); return 0;
        default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace detail

// Shows the window and runs its message loop until it is destroyed.
inline void RunStripWindow(HINSTANCE instance, const char* name, DWORD exStyle, PaintOver paint) {
    detail::paintOver = paint;
    WNDCLASSA wc{};
    wc.lpfnWndProc = detail::StripWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = name;
    RegisterClassA(&wc);
    CreateWindowExA(exStyle, name, name, WS_POPUP | WS_VISIBLE, 500, 300, 363, 278, nullptr, nullptr, instance,
                    nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}  // namespace startup
