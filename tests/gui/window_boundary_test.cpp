// The framework's window and dialog procedures: an exception stops there and
// is counted, and a message handled inside a handler leaves that handler's
// request for default processing as it was.
#include "framework/Dialog.h"
#include "framework/LiveCounts.h"
#include "resources/resource_ids.h"
#include "tests/gui/GuiHarness.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <stdexcept>

namespace {

constexpr UINT kThrow = WM_APP + 1;
constexpr UINT kDefaultThenNested = WM_APP + 2;
constexpr UINT kNested = WM_APP + 3;

class ProbeDialog : public fw::CDialog {
public:
    static const fw::MessageMap* GetThisMessageMap() {
        static constexpr fw::MessageEntry entries[] = {
            fw::OnMessage<&ProbeDialog::OnThrow>(kThrow),
            fw::OnMessage<&ProbeDialog::OnDefaultThenNested>(kDefaultThenNested),
            fw::OnMessage<&ProbeDialog::OnNested>(kNested),
        };
        static constexpr fw::MessageMap map{&fw::CDialog::GetThisMessageMap, entries};
        return &map;
    }
    const fw::MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

    LRESULT OnThrow(WPARAM, LPARAM) { throw std::runtime_error("handler fault"); }
    LRESULT OnDefaultThenNested(WPARAM, LPARAM) {
        Default();
        ::SendMessageA(hwnd_, kNested, 0, 0);
        return 7;  // not the answer: default processing was asked for
    }
    LRESULT OnNested(WPARAM, LPARAM) { return 5; }
};

class ProbeWindow : public fw::CWnd {
public:
    static const fw::MessageMap* GetThisMessageMap() {
        static constexpr fw::MessageEntry entries[] = {fw::OnMessage<&ProbeWindow::OnThrow>(kThrow)};
        static constexpr fw::MessageMap map{&fw::CWnd::GetThisMessageMap, entries};
        return &map;
    }
    const fw::MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

    LRESULT OnThrow(WPARAM, LPARAM) { throw std::runtime_error("handler fault"); }
};

TEST(WindowBoundary, CaughtExceptionsAreCountedAndFailTheTeardownCheck) {
#ifndef NDEBUG
    GTEST_SKIP() << "debug builds stop at the first catch";
#endif
    ProbeDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_DAY_TIP, nullptr));
    ProbeWindow window;
    ASSERT_TRUE(window.CreateEx(0, fw::CWnd::RegisterWndClass(0, nullptr), "", WS_POPUP, {0, 0, 9, 9}, nullptr, 0));
    ::SendMessageA(dialog.hwnd(), kThrow, 0, 0);
    ::SendMessageA(window.hwnd(), kThrow, 0, 0);
    EXPECT_EQ(fw::CaughtExceptions(), 2);
    EXPECT_NONFATAL_FAILURE(gui_test::ExpectNoCaughtExceptions(), "exceptions caught");
    window.DestroyWindow();
    dialog.DestroyWindow();
}

TEST(WindowBoundary, ANestedMessageKeepsTheDefaultProcessingAskedFor) {
    ProbeDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_DAY_TIP, nullptr));
    EXPECT_EQ(::SendMessageA(dialog.hwnd(), kDefaultThenNested, 0, 0), 0) << "the system's answer, not the handler's 7";
    EXPECT_EQ(::SendMessageA(dialog.hwnd(), kNested, 0, 0), 5);
    dialog.DestroyWindow();
}

}  // namespace
