// The one-second tick with a replaced clock, desktop embedding against
// desktops made here (and the day tip on top of an embedded calendar), and
// the headline strip against loopback servers.
#include "app/CalendarApp.h"
#include "app/DesktopHost.h"
#include "app/ExitPromptDlg.h"
#include "app/Settings.h"
#include "framework/Shell.h"
#include "resources/resource_ids.h"
#include "tests/gui/CalendarFixture.h"
#include "tests/gui/GuiHarness.h"
#include "tests/news/support/ScriptedServer.h"

#include <thread>

namespace {

using app::CalendarDate;
using app::YearMonth;

// A desktop as the shell builds one: a top-level window of `hostClass` with
// a "SHELLDLL_DefView" child holding a "SysListView32".
struct FakeDesktop {
    FakeDesktop(const char* className, bool list = true, int show = SW_SHOWNOACTIVATE) : hostClass(className) {
        for (const char* name : {hostClass, app::kDesktopViewClass, app::kDesktopListClass}) {
            WNDCLASSA wc{};
            wc.lpfnWndProc = ::DefWindowProcA;
            wc.hInstance = ::GetModuleHandleA(nullptr);
            wc.lpszClassName = name;
            ::RegisterClassA(&wc);
        }
        host = ::CreateWindowExA(0, hostClass, "", WS_POPUP, 0, 0, 1280, 800, nullptr, nullptr, nullptr, nullptr);
        view = ::CreateWindowExA(0, app::kDesktopViewClass, "", WS_CHILD | WS_VISIBLE, 0, 0, 1280, 800, host, nullptr,
                                 nullptr, nullptr);
        if (list)
            ::CreateWindowExA(0, app::kDesktopListClass, "", WS_CHILD, 0, 0, 9, 9, view, nullptr, nullptr, nullptr);
        ::ShowWindow(host, show);
    }
    ~FakeDesktop() {
        ::DestroyWindow(host);
        ::UnregisterClassA(hostClass, ::GetModuleHandleA(nullptr));  // the next may spell it in another case
    }
    const char* hostClass;
    HWND host, view;
};

// The window the user sees at a screen point. Asked from another thread,
// since this thread's hit test looks through the tip to the grid under it.
HWND SeenAt(POINT screen) {
    HWND seen = nullptr;
    std::thread([&] { seen = ::WindowFromPoint(screen); }).join();
    return seen;
}

POINT CentreOf(HWND window) {
    const RECT r = gui_test::WindowRectOf(window);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class Ticking : public calendar_test::CalendarTest {
protected:
    CalendarDate Mark() const {
        return {window->MonthView()->markYear, window->MonthView()->markMonth, window->MonthView()->markDay};
    }
    YearMonth Shown() const { return {window->MonthView()->year, window->MonthView()->month}; }
    HWND Parent() const { return ::GetAncestor(window->hwnd(), GA_PARENT); }
    // One fetch answered with `body`; `during` runs while the fetch waits.
    void FetchFrom(
        const std::string& body, const std::function<void()>& during = [] {}) {
        newstest::ScriptedServer server([&](news::Socket& c) {
            newstest::ReadRequest(c);
            during();
            newstest::SendAll(c,
                              "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body);
        });
        calendar_test::SetSetting(app::kNewsHostValue, "127.0.0.1:" + std::to_string(server.Port()));
        window->FetchHeadline();
        const DWORD giveUp = ::GetTickCount() + 15000;
        while (window->HeadlineFetchRunning() && ::GetTickCount() < giveUp) gui_test::PumpUntilIdle(10);
        server.Join();
        calendar_test::SetSetting(app::kNewsHostValue, calendar_test::kNoNewsHost);
        gui_test::PumpUntilIdle();
    }
};

TEST_F(Ticking, TodaysNotesAndTheHeadlineSchedule) {
    Open();
    window->MonthView()->activeDay = 15;
    window->MonthView()->ApplyDayNotes("交房租", 0, "", 0, "", 0);
    Tick();
    EXPECT_FALSE(::IsWindowVisible(window->MonthView()->TipPopup()->hwnd()));
    Tick();
    EXPECT_TRUE(::IsWindowVisible(window->MonthView()->TipPopup()->hwnd())) << "on the second tick";
    Tick(121);  // counts 0 .. 120
    EXPECT_EQ(window->HeadlineFetches(), 3);
    FetchFrom("*http://a.example/\tT");
    Tick(7200 - 121);  // counts 121 .. 7199: a headline is held
    EXPECT_EQ(window->HeadlineFetches(), 4);
    Tick();
    EXPECT_EQ(window->HeadlineFetches(), 5) << "count 7200";
    EXPECT_EQ(messages, std::vector<std::string>{"无法设置到桌面，请报告站长"}) << "no desktop: once, on count 60";
}

TEST_F(Ticking, TheClockMovesTheMark) {
    const struct {
        CalendarDate start;
        YearMonth looking;
        int pointerDay;
        CalendarDate clock;
        YearMonth shown;
        CalendarDate mark;
    } cases[] = {
        {{2024, 3, 15}, {2024, 3}, 16, {2024, 3, 16}, {2024, 3}, {2024, 3, 16}},  // the pointer on the new day
        {{2024, 3, 31}, {2019, 7}, 0, {2024, 4, 1}, {2024, 4}, {2024, 4, 1}},
        {{2049, 12, 31}, {2049, 12}, 0, {2050, 1, 1}, {2049, 12}, {}},  // past the range: unmarked
        {{1899, 6, 1}, {1950, 1}, 0, {1899, 6, 2}, {1900, 2}, {}},
        {{2077, 1, 1}, {1950, 1}, 0, {2077, 1, 1}, {2049, 12}, {}},
    };
    for (const auto& c : cases) {
        SetClock(c.start);
        Open();
        window->ShowMonth(c.looking.year, c.looking.month);
        window->MonthView()->activeDay = c.pointerDay;
        SetClock(c.clock);
        Tick();
        Click(app::kTodayButtonId);
        EXPECT_TRUE(Shown() == c.shown && Mark() == c.mark)
            << c.clock.year << "-" << c.clock.month << "-" << c.clock.day;
        EXPECT_EQ(window->YearCombo().GetCurSel() * 100 + window->MonthCombo().GetCurSel(),
                  (c.shown.year - 1900) * 100 + c.shown.month - 1);
        window->ShowMonth(2020, 6);
        EXPECT_EQ(::IsWindowVisible(window->TodayButton().hwnd()) != 0, c.mark != CalendarDate{})
            << "\"返回\" only with a today to go back to";
    }
}

TEST_F(Ticking, MidnightWaitsForTheOpenEditor) {
    Open();
    CalendarDate markWhileOpen;
    gui_test::WhenDialogOpens([&](HWND) {
        const HWND editor = calendar_test::DialogWith(IDC_ONE_OFF_EDIT);  // the day-note editor
        if (!editor) return false;
        SetClock({2024, 3, 16});
        window->OnTick();
        markWhileOpen = Mark();
        gui_test::PressButton(editor, IDCANCEL);
        return true;
    });
    const view::GridPoint cell = window->MonthView()->GetCellOrigin(15);
    gui_test::ReleaseLeft(window->MonthView()->hwnd(), {cell.x + 10, cell.y + 10});
    EXPECT_EQ(markWhileOpen, (CalendarDate{2024, 3, 15})) << "the editor's month stays";
    Tick();
    EXPECT_EQ(Mark(), (CalendarDate{2024, 3, 16}));
}

TEST_F(Ticking, WhichDesktopTakesTheWindow) {
    const struct {
        const char *first, *second;  // the first is enumerated last
        bool list;
        int show;
        int winner;  // 0: none
    } cases[] = {
        {"progman", nullptr, true, SW_SHOWNOACTIVATE, 1},
        {"pROGMAN", nullptr, true, SW_SHOWNOACTIVATE, 1},
        {"WorkerW", nullptr, true, SW_SHOWNOACTIVATE, 1},
        {"WorkerW", nullptr, false, SW_SHOWNOACTIVATE, 0},
        {"Progman", nullptr, true, SW_HIDE, 0},
        {"Progman", nullptr, true, SW_SHOWMINNOACTIVE, 0},
        {"DeskHost", nullptr, true, SW_SHOWNOACTIVATE, 0},
        {"WORKERW", "Progman", true, SW_SHOWNOACTIVATE, 1},
    };
    for (const auto& c : cases) {
        FakeDesktop first(c.first, c.list, c.show);
        std::unique_ptr<FakeDesktop> second(c.second ? new FakeDesktop(c.second) : nullptr);
        ::SetWindowPos(first.host, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        Open();
        Tick();
        EXPECT_EQ(Parent(), c.winner ? first.view : ::GetDesktopWindow()) << c.first;
        window.reset();
    }
}

// Takes the window back out of the view the first time it lands there, as
// a desktop that does not keep it would.
HWND bounced = nullptr;
LRESULT CALLBACK BounceOnce(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (!bounced && call->message == WM_WINDOWPOSCHANGED && gui_test::TextOf(call->hwnd) == "ri2.23" &&
        ::GetAncestor(call->hwnd, GA_PARENT) != ::GetDesktopWindow())
        ::SetParent(bounced = call->hwnd, nullptr);
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(Ticking, AnAttemptThatDoesNotLandIsTriedAgain) {
    FakeDesktop desk("Progman");
    Open();
    const HHOOK hook = ::SetWindowsHookExA(WH_CALLWNDPROC, &BounceOnce, nullptr, ::GetCurrentThreadId());
    Tick();
    ::UnhookWindowsHookEx(hook);
    ASSERT_EQ(bounced, window->hwnd());
    EXPECT_TRUE(window->Schedule().embedded == 0 && Parent() == ::GetDesktopWindow());
    Tick();
    EXPECT_TRUE(window->Schedule().embedded == 1 && Parent() == desk.view);
}

// The shell restarts: its desktop goes, our window inside with it, and a
// new desktop comes. Each step runs from a timer inside the modal loops.
std::unique_ptr<FakeDesktop> desk;
std::vector<HWND> windows, parents;
std::vector<int> startCounts;
std::vector<std::string> memoTexts;

void CALLBACK RestartStep(HWND, UINT, UINT_PTR, DWORD) {
    if (const HWND prompt = calendar_test::DialogWith(IDC_EXIT_UNINSTALL))
        return gui_test::PressButton(prompt, IDC_EXIT_CLOSE);
    const HWND w = ::FindWindowA(nullptr, "ri2.23");
    if (!w || !::IsWindowVisible(w) || ::GetWindowThreadProcessId(w, nullptr) != ::GetCurrentThreadId()) return;
    auto* calendar = dynamic_cast<app::CCalendarDlg*>(fw::CWnd::FromHandle(w));
    // A hidden memo pad is made just after the first picture.
    if (!calendar || !calendar->MemoPad() || (!windows.empty() && windows.back() == w) || windows.size() == 2) return;
    ::KillTimer(w, app::kTickTimerId);
    windows.push_back(w);
    startCounts.push_back(calendar->Schedule().tickCount * 10 + calendar->Schedule().embedded);
    calendar->OnTick();
    parents.push_back(::GetAncestor(w, GA_PARENT));
    const HWND memoEdit = ::GetDlgItem(calendar->MemoPad()->hwnd(), IDC_MEMO_EDIT);
    if (windows.size() == 1) {
        ::CreateDirectoryA("备忘\\default", nullptr);  // the memo cannot be saved
        ::SendMessageA(memoEdit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("unsaved"));
        desk = std::make_unique<FakeDesktop>("WorkerW");  // the old desktop goes
    } else {
        memoTexts.push_back(gui_test::TextOf(memoEdit));
        ::RemoveDirectoryA("备忘\\default");
        ::PostMessageA(w, view::WM_HOVERBUTTON_CLICK, app::kCloseButtonId, 0);
    }
}

TEST_F(Ticking, TheWindowComesBackWhenItsDesktopGoesAndEmbedsAgain) {
    desk = std::make_unique<FakeDesktop>("Progman");
    const HWND firstView = desk->view;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, &RestartStep);
    app::RunCalendarWindows();
    ::KillTimer(nullptr, timer);
    ASSERT_EQ(windows.size(), 2u);
    EXPECT_EQ(parents, (std::vector<HWND>{firstView, desk->view}));
    EXPECT_EQ(startCounts, (std::vector<int>{-20, -20})) << "the new window starts its tick and embedding anew";
    EXPECT_FALSE(::IsWindow(windows[0]) || ::IsWindow(windows[1]));
    EXPECT_EQ(memoTexts, std::vector<std::string>{"unsaved"}) << "the new pad takes over the unsaved memo";
    desk.reset();
}

TEST_F(Ticking, TheTipShowsAboveTheCalendarAndTheMemoPad) {
    FakeDesktop desktop("Progman");
    Open();
    Tick();
    ASSERT_EQ(Parent(), desktop.view) << "in the desktop, as it runs";
    view::CMonthView& grid = *window->MonthView();
    grid.activeDay = 15;
    ASSERT_TRUE(grid.ApplyDayNotes("交房租", 0, "", 0, "", 0));
    const HWND tip = grid.TipPopup()->hwnd();
    const auto tipSeen = [&] {
        grid.ShowTodayTip();
        gui_test::PumpUntilIdle();
        const bool seen = ::IsWindowVisible(tip) && SeenAt(CentreOf(tip)) == tip;
        ::ShowWindow(tip, SW_HIDE);
        return seen;
    };
    EXPECT_TRUE(tipSeen()) << "at start";
    window->ShowMemoPad();
    gui_test::PumpUntilIdle();
    EXPECT_TRUE(tipSeen()) << "with the pad shown";
    ::SetActiveWindow(desktop.host);
    EXPECT_TRUE(tipSeen()) << "the desktop active";
    window->HideMemoPad();
    EXPECT_TRUE(tipSeen()) << "after the pad was hidden";

    bool edited = false;
    gui_test::WhenDialogOpens([&](HWND) {
        const HWND editor = calendar_test::DialogWith(IDC_ONE_OFF_EDIT);
        if (editor) gui_test::PressButton(editor, IDCANCEL);
        edited = editor != nullptr;
        return edited;
    });
    const view::GridPoint day = grid.GetCellOrigin(15);
    ::SendMessageA(grid.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(day.x + 10, day.y + 10));
    gui_test::PumpUntilIdle();
    ASSERT_TRUE(edited);
    EXPECT_TRUE(tipSeen()) << "after an editor closed";
}

std::vector<std::string> opened;

TEST_F(Ticking, HeadlineStrip) {
    const fw::WebAddressOpener system = fw::SetWebAddressOpener([](HWND, const char* a) { opened.push_back(a); });
    Open();
    Click(app::kHeadlineLabelId);
    FetchFrom(" \r\n*http://news.example/1\t今日要闻\r\n");
    EXPECT_EQ(window->HeadlineTitle(), "今日要闻\r\n");
    EXPECT_EQ(window->HeadlineLabel().Text() + window->NextArticleButton().Text(), "今日要闻下一篇");
    EXPECT_TRUE(::IsWindowVisible(window->HeadlineLabel().hwnd()) &&
                ::IsWindowVisible(window->NextArticleButton().hwnd()));
    const LONG oneLine = gui_test::WindowRectOf(window->HeadlineLabel().hwnd()).bottom -
                         gui_test::WindowRectOf(window->HeadlineLabel().hwnd()).top;
    FetchFrom("*http://news.example/1\t今日\r要闻\n更多\r\n");
    const RECT label = gui_test::WindowRectOf(window->HeadlineLabel().hwnd());
    EXPECT_EQ(window->HeadlineLabel().Text(), "今日") << "a title ends at its first line break";
    EXPECT_EQ(label.bottom - label.top, oneLine) << "one line high";
    FetchFrom("*http://news.example/1\t今日要闻\r\n");
    FetchFrom("no headline today");
    EXPECT_EQ(window->HeadlineLabel().Text(), "今日要闻") << "a body without \"*\" keeps the old one";
    FetchFrom("*http://a.example/\tR&D 周报" + std::string(60, 'W'));
    EXPECT_EQ(window->HeadlineLabel().Text().substr(0, 5), "R&&D ");
    EXPECT_EQ(window->HeadlineLabel().Text().substr(window->HeadlineLabel().Text().size() - 3), "...");
    EXPECT_LT(gui_test::WindowRectOf(window->HeadlineLabel().hwnd()).right,
              gui_test::WindowRectOf(window->NextArticleButton().hwnd()).left);

    for (const char* link : {"file:///c:/x.exe", "calc.exe", "HTTPS://news.example/2"}) {
        FetchFrom(std::string("*") + link + "\ttitle");
        gui_test::ReleaseLeft(window->HeadlineLabel().hwnd(), {2, 2});
        gui_test::PumpUntilIdle();
    }
    EXPECT_EQ(opened, std::vector<std::string>{"HTTPS://news.example/2"}) << "web links only";

    window->ShowMonth(2020, 6);
    const int fetches = window->HeadlineFetches();
    FetchFrom("*http://a.example/\tT", [&] {  // clicks made while the fetch runs
        ::PostMessageA(window->hwnd(), view::WM_HOVERBUTTON_CLICK, app::kNextArticleButtonId, 0);
        ::PostMessageA(window->hwnd(), view::WM_HOVERBUTTON_CLICK, app::kPrevButtonId, 0);
        ::PostMessageA(window->hwnd(), view::WM_HOVERBUTTON_CLICK, app::kHeadlineLabelId, 0);
    });
    EXPECT_EQ(window->HeadlineFetches(), fetches + 1) << "only the fetch itself";
    EXPECT_EQ(window->MonthView()->month, 5) << "other clicks are handled meanwhile";
    EXPECT_EQ(opened.back(), "HTTPS://news.example/2") << "the link of the title shown at the click";
    EXPECT_EQ(window->HeadlineLabel().Text(), "T");
    fw::SetWebAddressOpener(system);
}

}  // namespace
