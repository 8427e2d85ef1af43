// The main window: start-up, placement and dragging, navigation, the exit
// prompt, the memo pad and the end of the session.
#include "app/ExitPromptDlg.h"
#include "app/NotesFolder.h"
#include "app/Settings.h"
#include "resources/resource_ids.h"
#include "tests/gui/CalendarFixture.h"
#include "framework/LiveCounts.h"
#include "framework/WorkArea.h"
#include "tests/gui/GuiHarness.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

namespace {

using app::YearMonth;
using calendar_test::SetSetting;

std::string Setting(const char* name) { return calendar_test::RegText(app::kSettingsKey, name); }
std::string Autostart() { return calendar_test::RegText(app::kAutostartKey, app::kAutostartValue); }
std::vector<LONG> Edges(HWND window) {
    const RECT r = gui_test::WindowRectOf(window);
    return {r.left, r.top, r.right, r.bottom};
}

class Calendar : public calendar_test::CalendarTest {
protected:
    bool Showing(YearMonth m) const {
        return window->MonthView()->year == m.year && window->MonthView()->month == m.month &&
               window->YearCombo().GetCurSel() == m.year - 1900 && window->MonthCombo().GetCurSel() == m.month - 1;
    }
    void TypeMemo(const char* text, bool replaceAll = false) {
        const HWND edit = ::GetDlgItem(window->MemoPad()->hwnd(), IDC_MEMO_EDIT);
        ::SendMessageA(edit, EM_SETSEL, replaceAll ? 0 : -1, -1);
        ::SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
    }
    static std::string MemoFile() {
        bool exists = false;
        const auto bytes = notes_test::FileContents("备忘\\default", &exists);
        return exists ? std::string(bytes.begin(), bytes.end()) : "(none)";
    }
};

TEST_F(Calendar, StartsFromAnEmptyRegistryAndRemembersMoves) {
    EXPECT_EQ(Edges(Open().hwnd()), (std::vector<LONG>{500, 300, 863, 578}));
    EXPECT_TRUE(!::IsWindowVisible(window->MemoPad()->hwnd()) && ::IsWindowVisible(window->MemoTab()->hwnd()));
    EXPECT_EQ(Setting("MemoShow") + Setting("PosX"), "0(none)") << "the start-up move writes nothing";
    EXPECT_NE(Autostart().find("calendar_gui_tests.exe"), std::string::npos);
    ::SetWindowPos(window->hwnd(), nullptr, 40, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(Setting("PosX") + "," + Setting("PosY"), "40,60");
    EXPECT_EQ(Edges(window->MemoTab()->hwnd()), (std::vector<LONG>{413, 319, 441, 338}));
    // In the bottom-right corner, the strip hanging below: the tab stays on the screen.
    const base::ScreenRect area = fw::WorkAreaOf(window->hwnd());
    ::SetWindowPos(window->hwnd(), nullptr, area.right - 363, area.bottom - 236, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    const RECT tab = gui_test::WindowRectOf(window->MemoTab()->hwnd());
    EXPECT_TRUE(tab.left >= area.left && tab.top >= area.top && tab.right <= area.right && tab.bottom <= area.bottom);
    EXPECT_TRUE(messages.empty());
}

TEST_F(Calendar, WindowsNotYetSeenAreMadeAfterTheFirstPicture) {
    for (const char* shown : {"0", "1"}) {
        SetSetting(app::kMemoShowValue, shown);
        window = std::make_unique<app::CCalendarDlg>();
        ASSERT_TRUE(window->Create(IDD_MAIN, nullptr));
        const bool padAtOnce = window->MemoPad() && ::IsWindowVisible(window->MemoPad()->hwnd());
        EXPECT_EQ(padAtOnce, *shown == '1');
        EXPECT_FALSE(window->MemoTab() || window->HeadlineLabel().hwnd() || window->MonthView()->TipPopup()->hwnd());
        gui_test::PumpUntilIdle();
        EXPECT_TRUE(window->MemoPad() && window->MemoTab() && window->HeadlineLabel().hwnd() &&
                    window->MonthView()->TipPopup()->hwnd());
        EXPECT_EQ(::IsWindowVisible(window->MemoPad()->hwnd()), *shown == '1');
        EXPECT_EQ(::IsWindowVisible(window->MemoTab()->hwnd()), *shown == '0');
        if (*shown == '0') {
            EXPECT_EQ(::GetActiveWindow(), window->hwnd()) << "made later, they leave the focus be";
        }
    }
}

TEST_F(Calendar, SavedPositions) {
    // The whole window, strips too, inside the work area.
    RECT area{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    const LONG right = area.right - 363, bottom = area.bottom - 278;
    const struct {
        const char *posX, *posY;
        LONG x, y;
    } cases[] = {{"-20", "100", 0, 100},          {"abc", "100", 0, 100},
                 {"40", nullptr, 40, 300},        {nullptr, "77", 500, 300},
                 {"5000", "5000", right, bottom}, {"99999999999", "5", right, 5},
                 {"1100", "785", right, bottom}};
    for (const auto& c : cases) {
        ClearSettings();
        if (c.posX) SetSetting("PosX", c.posX);
        if (c.posY) SetSetting("PosY", c.posY);
        EXPECT_EQ(Edges(Open().hwnd()), (std::vector<LONG>{c.x, c.y, c.x + 363, c.y + 278})) << (c.posX ? c.posX : "-");
    }
}

// A drag as a hand makes it, one step a timer tick inside the move loop:
// from the press at `dragFrom` by `dragBy`, then the release.
POINT dragFrom, dragBy;
int dragStep;
HWND dragged;
LONG topBeforeRelease;
void CALLBACK DragStep(HWND, UINT, UINT_PTR timer, DWORD) {
    const int step = ++dragStep;
    if (step == 5) topBeforeRelease = gui_test::WindowRectOf(dragged).top;
    const POINT at{dragFrom.x + dragBy.x * std::min(step, 4) / 4, dragFrom.y + dragBy.y * std::min(step, 4) / 4};
    gui_test::PointerInput(at, step == 5 ? MOUSEEVENTF_LEFTUP : 0);
    if (step == 5) ::KillTimer(nullptr, timer);
}

TEST_F(Calendar, ADragEndingBelowTheScreenComesBackInside) {
    Open();
    const base::ScreenRect area = fw::WorkAreaOf(window->hwnd());
    ::SetWindowPos(window->hwnd(), nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    const POINT grip{170, 10};  // the bare title strip between the pickers and "上月"
    ASSERT_EQ(::ChildWindowFromPoint(window->hwnd(), grip), window->hwnd());
    dragFrom = {300 + grip.x, 200 + grip.y};
    // Until only the top of the title strip stays on the screen.
    dragBy = {40, area.bottom - 5 - dragFrom.y};
    dragStep = 0;
    dragged = window->hwnd();
    gui_test::PointerInput(dragFrom);
    gui_test::PumpUntilIdle();
    gui_test::PointerInput(dragFrom, MOUSEEVENTF_LEFTDOWN);
    ::SetTimer(nullptr, 0, 60, &DragStep);
    for (const DWORD until = ::GetTickCount() + 1500; ::GetTickCount() < until;) gui_test::PumpUntilIdle(20);
    EXPECT_EQ(dragStep, 5);
    EXPECT_EQ(topBeforeRelease, area.bottom - 15) << "during the drag the window follows the pointer";
    EXPECT_EQ(Edges(window->hwnd()), (std::vector<LONG>{340, area.bottom - 278, 703, area.bottom}));
    EXPECT_EQ(Setting("PosX") + "," + Setting("PosY"), "340," + std::to_string(area.bottom - 278))
        << "only the pulled-back position is remembered";
}

TEST_F(Calendar, NotesFolderThatCannotBeMadeIsToldOnce) {
    std::ofstream(documents + "\\" + app::kNotesFolderName) << "a file where the folder belongs";
    Open();
    Tick(3);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find(documents + "\\" + app::kNotesFolderName), std::string::npos) << messages[0];
    EXPECT_TRUE(::IsWindowVisible(window->hwnd()));
}

TEST_F(Calendar, Navigation) {
    Open();
    EXPECT_EQ(window->YearCombo().GetCount() * 100 + window->MonthCombo().GetCount(), 15012);
    EXPECT_EQ(window->YearCombo().GetLBText(149) + window->MonthCombo().GetLBText(0), "2049年1月");
    const struct {
        YearMonth from;
        UINT button;
        YearMonth to;
    } cases[] = {
        {{1900, 2}, app::kPrevButtonId, {1900, 2}},  {{2049, 12}, app::kNextButtonId, {2049, 12}},
        {{2020, 1}, app::kPrevButtonId, {2019, 12}}, {{2020, 12}, app::kNextButtonId, {2021, 1}},
        {{2020, 5}, app::kTodayButtonId, {2024, 3}}, {{2020, 5}, 4242, {2020, 5}},
    };
    for (const auto& c : cases) {
        window->ShowMonth(c.from.year, c.from.month);
        Click(c.button);
        EXPECT_TRUE(Showing(c.to)) << c.from.year << "-" << c.from.month << " id " << c.button;
        EXPECT_EQ(::IsWindowVisible(window->TodayButton().hwnd()) != 0, !(c.to == YearMonth{2024, 3}));
    }
    const auto choose = [&](int yearItem, int monthItem) {
        window->YearCombo().SetCurSel(yearItem);
        window->MonthCombo().SetCurSel(monthItem);
        ::SendMessageA(window->hwnd(), WM_COMMAND, MAKEWPARAM(IDC_MONTH_COMBO, CBN_SELCHANGE), 0);
    };
    choose(0, 0);
    EXPECT_TRUE(Showing({1900, 2})) << "January 1900 is not shown";
    choose(120, -1);  // text typed into the month picker: no selection
    EXPECT_TRUE(Showing({1900, 2}));

    const std::pair<UINT, WPARAM> keys[] = {{WM_COMMAND, IDOK}, {WM_COMMAND, IDCANCEL}, {WM_SYSCOMMAND, SC_CLOSE}};
    for (const auto& [message, wParam] : keys) ::SendMessageA(window->hwnd(), message, wParam, 0);
    gui_test::PumpUntilIdle();
    EXPECT_TRUE(::IsWindowVisible(window->hwnd()) && !window->ExitChosen()) << "Enter, Esc and Alt+F4 do nothing";
}

TEST_F(Calendar, MonthChangesLeaveNoGdiObjectOrWindowBehind) {
    Open();
    gui_test::PumpUntilIdle();
    const int gdiObjects = fw::LiveGdiObjects(), windows = fw::LiveWindows();
    for (int i = 0; i < 100; ++i) {
        ::SendMessageA(window->hwnd(), view::WM_HOVERBUTTON_CLICK, i % 2 ? app::kPrevButtonId : app::kNextButtonId, 0);
        ::UpdateWindow(window->MonthView()->hwnd());
    }
    gui_test::PumpUntilIdle();
    std::printf("live GDI objects %d -> %d, windows %d -> %d over 100 month changes\n", gdiObjects,
                fw::LiveGdiObjects(), windows, fw::LiveWindows());
    EXPECT_EQ(fw::LiveGdiObjects(), gdiObjects);
    EXPECT_EQ(fw::LiveWindows(), windows);
}

TEST_F(Calendar, ExitPrompt) {
    const struct {
        int button;  // 0: the close box
        bool removalFails, ends, autostartKept;
    } cases[] = {{IDC_EXIT_CLOSE, false, true, true},     {IDC_EXIT_UNINSTALL, false, true, false},
                 {IDC_EXIT_UNINSTALL, true, false, true}, {0, false, false, true},
                 {IDCANCEL, false, false, true},          {IDOK, false, false, true}};
    for (const auto& c : cases) {
        Open();
        if (c.removalFails) window->removeAutostart = [] { return -1; };
        messages.clear();
        gui_test::WhenDialogOpens([&](HWND) {
            const HWND prompt = calendar_test::DialogWith(IDC_EXIT_UNINSTALL);
            if (prompt) ::PostMessageA(prompt, c.button ? WM_COMMAND : WM_CLOSE, c.button, 0);
            return prompt != nullptr;
        });
        Click(app::kCloseButtonId);
        EXPECT_EQ(!::IsWindowVisible(window->hwnd()) && window->ExitChosen(), c.ends) << c.button;
        EXPECT_EQ(Autostart() != "(none)", c.autostartKept) << c.button;
        EXPECT_EQ(messages.size(), c.removalFails ? 1u : 0u) << c.button;
    }
}

TEST_F(Calendar, MemoPad) {
    SetSetting("MemoX", "-20");
    SetSetting("MemoShow", "1");
    Open();
    EXPECT_EQ(Edges(window->MemoPad()->hwnd())[0], -20);
    EXPECT_EQ(Edges(window->MemoPad()->hwnd())[1], 588) << "no MemoY: below the main window";
    TypeMemo("x");
    EXPECT_EQ(MemoFile(), "x");
    TypeMemo("", true);
    EXPECT_EQ(MemoFile(), "(none)");

    ::CreateDirectoryA("备忘\\default", nullptr);  // nothing can be written over a folder
    TypeMemo("a");
    TypeMemo("b");
    EXPECT_EQ(messages.size(), 1u) << "told once while saving fails";
    ::RemoveDirectoryA("备忘\\default");
    gui_test::PressButton(window->MemoPad()->hwnd(), IDC_MEMO_HIDE);
    gui_test::PumpUntilIdle();
    EXPECT_EQ(MemoFile(), "ab") << "tried again when the pad is hidden";
    EXPECT_TRUE(!::IsWindowVisible(window->MemoPad()->hwnd()) && ::IsWindowVisible(window->MemoTab()->hwnd()));
    EXPECT_EQ(Setting("MemoShow") + Setting("MemoX"), "0-20");
}

TEST_F(Calendar, AMemoThatCannotBeSavedKeepsTheProgramRunning) {
    Open();
    ::CreateDirectoryA("备忘\\default", nullptr);  // nothing can be written over a folder
    TypeMemo("kept");
    for (const bool saveable : {false, true}) {
        if (saveable) ::RemoveDirectoryA("备忘\\default");
        messages.clear();
        gui_test::WhenDialogOpens([](HWND) {
            const HWND prompt = calendar_test::DialogWith(IDC_EXIT_UNINSTALL);
            if (prompt) ::PostMessageA(prompt, WM_COMMAND, IDC_EXIT_CLOSE, 0);
            return prompt != nullptr;
        });
        Click(app::kCloseButtonId);
        EXPECT_EQ(window->ExitChosen(), saveable);
        EXPECT_EQ(messages.size(), saveable ? 0u : 1u);
    }
    EXPECT_EQ(MemoFile(), "kept");
}

// A file where the memo folder belongs: the memo cannot be saved.
void BlockMemoFolder(bool blocked) {
    if (blocked) {
        ASSERT_TRUE(::RemoveDirectoryA("备忘"));
        std::ofstream("备忘") << "not a folder";
    } else {
        ASSERT_TRUE(::DeleteFileA("备忘") && ::CreateDirectoryA("备忘", nullptr));
    }
}

TEST_F(Calendar, TheSessionWaitsForAMemoThatCannotBeSaved) {
    Open();
    BlockMemoFolder(true);
    TypeMemo("kept");
    gui_test::PumpUntilIdle();
    messages.clear();
    // Every top-level window of the program is asked in turn; one warning.
    EXPECT_EQ(::SendMessageA(window->hwnd(), WM_QUERYENDSESSION, 0, 0), FALSE);
    EXPECT_EQ(::SendMessageA(window->MemoTab()->hwnd(), WM_QUERYENDSESSION, 0, 0), FALSE);
    gui_test::PumpUntilIdle();
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(gui_test::TextOf(::GetDlgItem(window->MemoPad()->hwnd(), IDC_MEMO_EDIT)), "kept");
    EXPECT_EQ(MemoFile(), "(none)");

    BlockMemoFolder(false);
    EXPECT_EQ(::SendMessageA(window->MemoPad()->hwnd(), WM_QUERYENDSESSION, 0, 0), TRUE);
    EXPECT_EQ(MemoFile(), "kept") << "saved once more when asked";
}

// The system refuses the main window's popups (the memo tab and pad).
LRESULT CALLBACK RefuseMemoWindows(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const CREATESTRUCTA* made = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
        if (!(made->style & WS_CHILD) && made->hwndParent && gui_test::TextOf(made->hwndParent) == "ri2.23") return 1;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(Calendar, ATakenOverMemoWithoutAPadIsStillUnsaved) {
    window = std::make_unique<app::CCalendarDlg>();
    window->TakeOverMemo("kept");
    const HHOOK hook = ::SetWindowsHookExA(WH_CBT, &RefuseMemoWindows, nullptr, ::GetCurrentThreadId());
    ASSERT_TRUE(window->Create(IDD_MAIN, nullptr));
    ::KillTimer(window->hwnd(), app::kTickTimerId);
    BlockMemoFolder(true);  // in the notes folder, now entered; the pad comes after the first picture
    gui_test::PumpUntilIdle();
    ::UnhookWindowsHookEx(hook);
    ASSERT_TRUE(window->MemoPad() && !window->MemoPad()->hwnd()) << "no pad was made";
    EXPECT_EQ(window->UnsavedMemo(), std::optional<std::string>("kept"));
    EXPECT_EQ(::SendMessageA(window->hwnd(), WM_QUERYENDSESSION, 0, 0), FALSE);
    BlockMemoFolder(false);
    EXPECT_EQ(::SendMessageA(window->hwnd(), WM_QUERYENDSESSION, 0, 0), TRUE);
    EXPECT_EQ(MemoFile(), "kept");
    EXPECT_EQ(window->UnsavedMemo(), std::nullopt);
}

// The system refuses the month view's window (a child with its id).
LRESULT CALLBACK RefuseMonthView(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const CREATESTRUCTA* made = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
        if ((made->style & WS_CHILD) && made->hMenu == reinterpret_cast<HMENU>(view::kMonthViewId)) return 1;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// Should the window keep running, its ticks would reach the missing view:
// a timer closes it after three of them.
void CALLBACK CloseAfterTicks(HWND, UINT, UINT_PTR, DWORD) {
    if (const HWND w = ::FindWindowA(nullptr, "ri2.23")) ::EndDialog(w, 1);
}

TEST_F(Calendar, AMonthViewThatCannotBeMadeEndsTheProgramWithAMessage) {
    const HHOOK hook = ::SetWindowsHookExA(WH_CBT, &RefuseMonthView, nullptr, ::GetCurrentThreadId());
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 3500, &CloseAfterTicks);
    app::CCalendarDlg dialog;
    const INT_PTR result = dialog.DoModal();
    ::KillTimer(nullptr, timer);
    ::UnhookWindowsHookEx(hook);
    EXPECT_EQ(result, -1);
    EXPECT_EQ(messages, std::vector<std::string>{"无法建立月历窗口，程序无法运行。"});
}

}  // namespace
