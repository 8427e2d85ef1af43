// Message tables: a static array per window class mapping a message (and,
// for WM_COMMAND, a control id and notification code) to a typed member
// handler, chained to the base class's table.
//
//     const fw::MessageMap* CLabelWnd::GetMessageMap() const {
//         static constexpr fw::MessageEntry entries[] = {
//             fw::OnPaint<&CLabelWnd::OnPaint>(),
//             fw::OnMessage<&CLabelWnd::OnEraseBkgnd>(WM_ERASEBKGND),
//         };
//         static constexpr fw::MessageMap map{&CWnd::GetThisMessageMap, entries};
//         return &map;
//     }
#pragma once

#include <windows.h>

#include <span>

namespace fw {

class CWnd;

// A handler thunk: calls the member on the window and returns the result.
using MessageThunk = LRESULT (*)(CWnd& window, WPARAM wParam, LPARAM lParam);

struct MessageEntry {
    UINT message;
    UINT notifyCode;  // WM_COMMAND only
    UINT controlId;   // WM_COMMAND only
    MessageThunk thunk;
};

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
                const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
                (detail::Self<Method>(w).*Method)(static_cast<UINT>(wParam), point);
                return 0;
            }};
}

// void Handler(): WM_COMMAND from `controlId` with `notifyCode`.
template <auto Method>
constexpr MessageEntry OnCommand(UINT controlId, UINT notifyCode) {
    return {WM_COMMAND, notifyCode, controlId, [](CWnd& w, WPARAM, LPARAM) -> LRESULT {
                (detail::Self<Method>(w).*Method)();
                return 0;
            }};
}

}  // namespace fw
