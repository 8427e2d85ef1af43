// Message tables: a static array per window class mapping a message (and,
// for WM_COMMAND or a message sent by a child control, a control id) to a
// typed member handler, chained to the base class's table. The first entry
// that matches runs.
//
//     const fw::MessageMap* CMemoPadDlg::GetThisMessageMap() {
//         static constexpr fw::MessageEntry entries[] = {
//             fw::OnMouse<&CMemoPadDlg::OnLButtonDown>(WM_LBUTTONDOWN),
//             fw::OnMove<&CMemoPadDlg::OnMove>(),
//             fw::OnDestroy<&CMemoPadDlg::OnDestroy>(),
//             fw::OnCommand<&CMemoPadDlg::OnEditChange>(kMemoEditId, EN_CHANGE),
//         };
//         static constexpr fw::MessageMap map{&fw::CDialog::GetThisMessageMap, entries};
//         return &map;
//     }
//
//     void CMemoPadDlg::OnMove(POINT clientOrigin) { ... }
#pragma once

#include <windows.h>

#include <span>

namespace fw {

class CWnd;

// A handler thunk: calls the member on the window and returns the result.
using MessageThunk = LRESULT (*)(CWnd& window, WPARAM wParam, LPARAM lParam);

// How an entry is matched beyond the message itself.
enum class Route : unsigned char {
    Any,        // every such message
    Command,    // WM_COMMAND: the control id and notification code in wParam
    ControlId,  // a child control's message carrying its id as wParam
};

struct MessageEntry {
    UINT message;
    UINT notifyCode;  // Route::Command only
    UINT controlId;   // Route::Command and Route::ControlId
    MessageThunk thunk;
    Route route = Route::Any;
};

constexpr bool Matches(const MessageEntry& entry, UINT message, WPARAM wParam) {
    if (entry.message != message) return false;
    switch (entry.route) {
        case Route::Command: return LOWORD(wParam) == entry.controlId && HIWORD(wParam) == entry.notifyCode;
        case Route::ControlId: return wParam == entry.controlId;
        case Route::Any: break;
    }
    return true;
}

struct MessageMap {
    const MessageMap* (*base)();  // the base class's table, or null
    std::span<const MessageEntry> entries;
};

namespace detail {

template <typename Method>
struct MemberOf;
template <typename C, typename R, typename... A>
struct MemberOf<R (C::*)(A...)> {
    using Class = C;
};

template <auto Method>
using ClassOf = typename MemberOf<decltype(Method)>::Class;

template <auto Method>
ClassOf<Method>& Self(CWnd& window) {
    return static_cast<ClassOf<Method>&>(window);
}

// Signed: a point left of or above the primary monitor is negative.
inline POINT PointOf(LPARAM lParam) { return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}; }

}  // namespace detail

// LRESULT Handler(WPARAM, LPARAM): any message, raw.
template <auto Method>
constexpr MessageEntry OnMessage(UINT message) {
    return {message, 0, 0, [](CWnd& w, WPARAM wParam, LPARAM lParam) -> LRESULT {
                return (detail::Self<Method>(w).*Method)(wParam, lParam);
            }};
}

// void Handler(): WM_PAINT.
template <auto Method>
constexpr MessageEntry OnPaint() {
    return {WM_PAINT, 0, 0, [](CWnd& w, WPARAM, LPARAM) -> LRESULT {
                (detail::Self<Method>(w).*Method)();
                return 0;
            }};
}

// void Handler(UINT flags, POINT clientPoint): WM_MOUSEMOVE, WM_LBUTTONUP ...
template <auto Method>
constexpr MessageEntry OnMouse(UINT message) {
    return {message, 0, 0, [](CWnd& w, WPARAM wParam, LPARAM lParam) -> LRESULT {
                (detail::Self<Method>(w).*Method)(static_cast<UINT>(wParam), detail::PointOf(lParam));
                return 0;
            }};
}

// void Handler(): WM_COMMAND from `controlId` with `notifyCode`.
template <auto Method>
constexpr MessageEntry OnCommand(UINT controlId, UINT notifyCode) {
    return {WM_COMMAND, notifyCode, controlId,
            [](CWnd& w, WPARAM, LPARAM) -> LRESULT {
                (detail::Self<Method>(w).*Method)();
                return 0;
            },
            Route::Command};
}

// void Handler(): `message` from the child control `controlId`, which
// sends its id as wParam (a hover button's click).
template <auto Method>
constexpr MessageEntry OnControlMessage(UINT message, UINT controlId) {
    return {message, 0, controlId,
            [](CWnd& w, WPARAM, LPARAM) -> LRESULT {
                (detail::Self<Method>(w).*Method)();
                return 0;
            },
            Route::ControlId};
}

// void Handler(UINT controlId): `message` from a child control that no
// entry before this one took.
template <auto Method>
constexpr MessageEntry OnAnyControlMessage(UINT message) {
    return {message, 0, 0, [](CWnd& w, WPARAM wParam, LPARAM) -> LRESULT {
                (detail::Self<Method>(w).*Method)(static_cast<UINT>(wParam));
                return 0;
            }};
}

// void Handler(POINT clientOrigin): WM_MOVE; the client area's new top-left
// corner in screen coordinates.
template <auto Method>
constexpr MessageEntry OnMove() {
    return {WM_MOVE, 0, 0, [](CWnd& w, WPARAM, LPARAM lParam) -> LRESULT {
                (detail::Self<Method>(w).*Method)(detail::PointOf(lParam));
                return 0;
            }};
}

// void Handler(UINT type, SIZE client): WM_SIZE; SIZE_RESTORED ... and the
// client area's new size.
template <auto Method>
constexpr MessageEntry OnSize() {
    return {WM_SIZE, 0, 0, [](CWnd& w, WPARAM wParam, LPARAM lParam) -> LRESULT {
                (detail::Self<Method>(w).*Method)(static_cast<UINT>(wParam), SIZE{LOWORD(lParam), HIWORD(lParam)});
                return 0;
            }};
}

// void Handler(UINT_PTR timerId): WM_TIMER.
template <auto Method>
constexpr MessageEntry OnTimer() {
    return {WM_TIMER, 0, 0, [](CWnd& w, WPARAM wParam, LPARAM) -> LRESULT {
                (detail::Self<Method>(w).*Method)(static_cast<UINT_PTR>(wParam));
                return 0;
            }};
}

// void Handler(): WM_DESTROY; the children still exist.
template <auto Method>
constexpr MessageEntry OnDestroy() {
    return {WM_DESTROY, 0, 0, [](CWnd& w, WPARAM, LPARAM) -> LRESULT {
                (detail::Self<Method>(w).*Method)();
                return 0;
            }};
}

}  // namespace fw
