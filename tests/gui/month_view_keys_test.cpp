// The month grid without a mouse: real keys through the system's input,
// the editors they open, the focus rectangle and the tip that follow them,
// and the grid's objects as a screen reader gets them (in this process:
// the test asks the way a reader does, through AccessibleObjectFromWindow).
#include "framework/Shell.h"
#include "framework/WorkArea.h"
#include "resources/resource_ids.h"
#include "tests/gui/GuiHarness.h"
#include "tests/notes/scratch_dir.h"
#include "view/MemoEditDlg.h"
#include "view/MonthView.h"
#include "view/WeeklyDlg.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <oleacc.h>

#include <string>
#include <vector>

namespace {

using gui_test::TextOf;

// Shows months as the main window does, with a fixed today (2024-02-10).
struct Owner final : view::MonthViewOwner {
    void ShowTodayButton(bool) override {}
    void ShowMonth(int year, int month) override {
        shown.push_back(year * 100 + month);
        view->SetMonth(year, month, 0);
    }
    void GoToToday() override {
        ++todayCalls;
        view->SetMonth(2024, 2, 10);
    }
    view::CMonthView* view = nullptr;
    std::vector<int> shown;
    int todayCalls = 0;
};

struct KeysFixture {
    explicit KeysFixture(int year = 2024, int month = 2, int mark = 10) {
        notes_test::MakeNoteFolders();
        owner.view = &view;
        EXPECT_TRUE(view.Create({0, 22, 363, 258}, &parent, view::kMonthViewId, &owner));
        EXPECT_TRUE(view.SetMonth(year, month, mark));
        ::SetForegroundWindow(parent.hwnd());
        ::SetFocus(view.hwnd());
        gui_test::PumpUntilIdle();
    }
    void Key(WORD key, bool control = false) {
        gui_test::PressKey(key, control, [] { gui_test::PumpUntilIdle(); });
    }
    // A closed editor hands the activation back through the display, which a
    // busy one does late, after the grid took the focus back, and may give it
    // to the parent or to no window of ours. The calendar's dialog then gives
    // the focus to the control that had it; this plain parent does not, so
    // the test brings it back as the fixture first did.
    bool GridRegainsFocus() {
        gui_test::PumpUntilIdle(200);
        if (::GetFocus() != view.hwnd()) {
            ::SetForegroundWindow(parent.hwnd());
            ::SetFocus(view.hwnd());
            gui_test::PumpUntilIdle();
        }
        return ::GetFocus() == view.hwnd();
    }
    int Focus() const { return view.year * 10000 + view.month * 100 + view.FocusDay(); }
    // Pixels off the cell colour down the left edge of a day's cell, where
    // only the focus rectangle draws in a cell without notes.
    int LeftEdgeMarks(int day) {
        ::InvalidateRect(view.hwnd(), nullptr, FALSE);
        const gui_test::Pixels pixels = gui_test::Pixels::Of(view.hwnd());
        const RECT cell = view.DayCellRect(day);
        const RECT edge{cell.left + 1, cell.top + 10, cell.left + 2, cell.bottom - 10};
        return (edge.bottom - edge.top) - pixels.Count(edge, view::cellBackColor);
    }
    bool TipShown() const { return ::IsWindowVisible(view.TipPopup()->hwnd()); }

    notes_test::ScratchDir scratch;
    gui_test::TestParent parent{0, {100, 100, 500, 420}};
    Owner owner;
    view::CMonthView view;
};

// The editor `open` opens, read and then closed by a real Esc: its title,
// its first text, which control has the focus, and the name a reader hears
// of control `named`.
struct Seen {
    std::string title, label;
    int focused = 0;
    std::wstring buttonName;
};

std::wstring NameOf(IAccessible* object, long child = CHILDID_SELF) {
    VARIANT id{};
    id.vt = VT_I4;
    id.lVal = child;
    BSTR name = nullptr;
    if (FAILED(object->get_accName(id, &name)) || !name) return L"";
    std::wstring text(name, ::SysStringLen(name));
    ::SysFreeString(name);
    return text;
}

// The window's client object as a reader gets it: through
// AccessibleObjectFromWindow where the system can hand it across (Wine 8
// cannot: it has no proxy for IAccessible and answers E_NOINTERFACE), else
// the very object the window's WM_GETOBJECT hands out, taken in-process.
IAccessible* ObjectOf(HWND window) {
    IAccessible* object = nullptr;
    if (SUCCEEDED(::AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                               reinterpret_cast<void**>(&object))))
        return object;
    // The window answers for its client area (DefWindowProc would say 0).
    EXPECT_NE(::SendMessageA(window, WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_CLIENT)), 0);
    fw::CWnd* bound = fw::CWnd::FromHandle(window);
    fw::AccessibleObject* own = nullptr;
    if (auto* grid = dynamic_cast<view::CMonthView*>(bound)) own = &grid->ClientObject();
    if (auto* label = dynamic_cast<view::CLabelWnd*>(bound)) own = &label->ClientObject();
    if (own) own->AddRef();
    return own;
}

template <typename Open>
Seen RunEditor(Open open, int labelId, int named) {
    Seen seen;
    gui_test::WhenDialogOpens([&](HWND editor) {
        seen.title = TextOf(editor);
        seen.label = TextOf(::GetDlgItem(editor, labelId));
        seen.focused = ::GetDlgCtrlID(::GetFocus());
        if (IAccessible* button = ObjectOf(::GetDlgItem(editor, named))) {
            seen.buttonName = NameOf(button);
            button->Release();
        }
        ::SetDlgItemTextA(editor, ::GetDlgCtrlID(::GetFocus()), "never saved");
        gui_test::KeyInput(VK_ESCAPE);
        return true;
    });
    open();
    gui_test::WhenDialogOpens([](HWND) { return true; }, 0);
    return seen;
}

TEST(MonthViewKeys, KeysMoveTheFocusDayAndGoThroughTheNavigation) {
    KeysFixture f;
    EXPECT_EQ(f.Focus(), 20240210) << "today in today's month";
    const struct {
        WORD key;
        bool control;
        int focus;
    } presses[] = {
        {VK_RIGHT, false, 20240211}, {VK_DOWN, false, 20240218}, {VK_LEFT, false, 20240217},
        {VK_UP, false, 20240210},    {VK_NEXT, false, 20240310}, {VK_UP, false, 20240303},
        {VK_UP, false, 20240225},    {VK_PRIOR, false, 20240125}, {VK_NEXT, true, 20250125},
        {VK_HOME, false, 20240210},
    };
    for (const auto& p : presses) {
        f.Key(p.key, p.control);
        EXPECT_EQ(f.Focus(), p.focus) << "key " << p.key;
    }
    EXPECT_EQ(f.owner.shown, (std::vector<int>{202403, 202402, 202401, 202501}));
    EXPECT_EQ(f.owner.todayCalls, 1);

    // A month shown by the buttons focuses its first day.
    f.owner.ShowMonth(2024, 5);
    EXPECT_EQ(f.Focus(), 20240501);
}

TEST(MonthViewKeys, EnterSpaceAndCtrlEnterOpenTheEditorsWhichEscClosesUnsaved) {
    KeysFixture f;
    f.Key(VK_RIGHT);
    const Seen day = RunEditor([&] { f.Key(VK_RETURN); }, view::kDateLabelId, view::kOneOffColourId);
    EXPECT_EQ(day.title, "输入记事 - ri2.23");
    EXPECT_EQ(day.label, "2024年2月11日星期日农历正月初二");
    EXPECT_EQ(day.focused, IDC_ONE_OFF_EDIT);
    EXPECT_EQ(day.buttonName, L"一次性记事颜色");
    ASSERT_TRUE(f.GridRegainsFocus());
    const Seen space = RunEditor([&] { f.Key(VK_SPACE); }, view::kDateLabelId, view::kLunarColourId);
    EXPECT_EQ(space.label, "2024年2月11日星期日农历正月初二");
    EXPECT_EQ(space.buttonName, L"农历每年记事颜色");
    ASSERT_TRUE(f.GridRegainsFocus());
    const Seen weekly = RunEditor([&] { f.Key(VK_RETURN, true); }, -1, view::kWeeklyColourId);
    EXPECT_EQ(weekly.title, "每周提示");
    EXPECT_EQ(weekly.label, "每周日");
    EXPECT_EQ(weekly.focused, IDC_WEEKLY_EDIT);
    EXPECT_EQ(weekly.buttonName, L"每周提示颜色");
    EXPECT_EQ(f.scratch.FileCount(), 0) << "Esc saves nothing";
    EXPECT_FALSE(f.view.EditorOpen());
}

TEST(MonthViewKeys, TheFocusRectangleShowsOnlyAfterKeysAndOnlyWithTheFocus) {
    KeysFixture f(2024, 3, 0);  // not today's month: day 1, a Friday
    EXPECT_EQ(f.Focus(), 20240301);
    EXPECT_EQ(f.LeftEdgeMarks(1), 0) << "a mouse user sees the grid as it always was";
    EXPECT_FALSE(f.view.FocusCuesShown());
    f.Key(VK_RIGHT);
    f.Key(VK_LEFT);
    EXPECT_TRUE(f.view.FocusCuesShown());
    EXPECT_GT(f.LeftEdgeMarks(1), 0);
    EXPECT_EQ(f.LeftEdgeMarks(2), 0);
    ::SetFocus(f.parent.hwnd());
    EXPECT_EQ(f.LeftEdgeMarks(1), 0) << "no focus, no rectangle";
}

TEST(MonthViewKeys, TheTipFollowsTheKeysBesideTheCellUntilThePointerMoves) {
    // The pointer starts over the grid and leaves it just before the keys:
    // the leave the system tells of late must not end the keys' tip.
    gui_test::PointerInput({250, 250});
    gui_test::PumpUntilIdle(200);
    KeysFixture f(2024, 3, 0);
    ASSERT_EQ(f.view.dayNotes.Set(8, "note", 4, 0), 0);
    POINT away{20, 400};  // outside the view: no move reaches it
    gui_test::PointerInput(away);
    POINT now{};
    for (int i = 0; i < 100 && (::GetCursorPos(&now), std::abs(now.x - away.x) > 1 || std::abs(now.y - away.y) > 1); ++i)
        gui_test::PumpUntilIdle(20);
    gui_test::PumpUntilIdle();
    f.Key(VK_DOWN);
    ASSERT_EQ(f.Focus(), 20240308);
    ASSERT_TRUE(f.TipShown()) << "the notes of the day the keys reached";
    RECT cell = f.view.DayCellRect(8);
    ::MapWindowPoints(f.view.hwnd(), nullptr, reinterpret_cast<POINT*>(&cell), 2);
    const RECT tip = gui_test::WindowRectOf(f.view.TipPopup()->hwnd());
    EXPECT_EQ(tip.top, cell.bottom) << "beside the cell, below it";
    EXPECT_TRUE(tip.left < cell.right && cell.left < tip.right);
    f.Key(VK_RIGHT);
    EXPECT_FALSE(f.TipShown()) << "a day without notes";
    f.Key(VK_LEFT);
    ASSERT_TRUE(f.TipShown());
    // The pointer moves over the grid, onto a day without notes or term.
    RECT empty = f.view.DayCellRect(27);
    ::MapWindowPoints(f.view.hwnd(), nullptr, reinterpret_cast<POINT*>(&empty), 2);
    gui_test::PointerInput({empty.left + 20, empty.top + 10});
    for (int i = 0; i < 3; ++i) gui_test::PumpUntilIdle(100);
    EXPECT_FALSE(f.TipShown());
    f.Key(VK_UP);
    f.Key(VK_DOWN);
    ASSERT_TRUE(f.TipShown());
    f.Key(VK_NEXT);
    EXPECT_FALSE(f.TipShown()) << "another month";
}

struct EventSeen {
    DWORD event;
    LONG object, child;
    friend bool operator==(const EventSeen&, const EventSeen&) = default;
};
std::vector<EventSeen> events;
HWND watched = nullptr;

void CALLBACK OnWinEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
    if (window == watched && (event == EVENT_OBJECT_FOCUS || event == EVENT_OBJECT_NAMECHANGE))
        events.push_back({event, object, child});
}

TEST(MonthViewKeys, TheGridIsATableOfDayCellsForScreenReaders) {
    ASSERT_TRUE(SUCCEEDED(::CoInitialize(nullptr)));
    IAccessible* kept = nullptr;
    {
        KeysFixture f;
        ASSERT_EQ(f.view.dayNotes.Set(5, "x", 1, 0), 0);
        IAccessible* table = ObjectOf(f.view.hwnd());
        ASSERT_NE(table, nullptr);
        VARIANT self{}, role{}, state{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        EXPECT_EQ(NameOf(table), L"2024年2月");
        ASSERT_EQ(table->get_accRole(self, &role), S_OK);
        EXPECT_EQ(role.lVal, ROLE_SYSTEM_TABLE);
        LONG count = 0;
        ASSERT_EQ(table->get_accChildCount(&count), S_OK);
        EXPECT_EQ(count, 29 + 7) << "every day, then the weekday headers";

        EXPECT_EQ(NameOf(table, 10), L"2024年2月10日 星期六 农历正月初一 春节 休");
        EXPECT_EQ(NameOf(table, 5), L"2024年2月5日 星期一 农历十二月廿六 有1条记事");
        EXPECT_EQ(NameOf(table, 29 + 1), L"星期日");
        POINT origin{0, 0};
        ::ClientToScreen(f.view.hwnd(), &origin);
        for (long day = 1; day <= 29; ++day) {
            VARIANT child{};
            child.vt = VT_I4;
            child.lVal = day;
            ASSERT_EQ(table->get_accRole(child, &role), S_OK);
            EXPECT_EQ(role.lVal, ROLE_SYSTEM_CELL);
            // 1 February 2024 is a Thursday: column 4 of the first row.
            const long at = day - 1 + 4;
            LONG x = 0, y = 0, w = 0, h = 0;
            ASSERT_EQ(table->accLocation(&x, &y, &w, &h, child), S_OK);
            EXPECT_EQ(x - origin.x, 52 * (at % 7)) << day;
            EXPECT_EQ(y - origin.y, 21 + 33 * (at / 7)) << day;
            EXPECT_EQ(w * 100 + h, 51 * 100 + 32) << day;
            ASSERT_EQ(table->get_accState(child, &state), S_OK);
            const long focused = STATE_SYSTEM_FOCUSED | STATE_SYSTEM_SELECTED;
            EXPECT_EQ(state.lVal & focused, day == 10 ? focused : 0) << day;
            VARIANT hit{};
            ASSERT_EQ(table->accHitTest(x + 20, y + 10, &hit), S_OK);
            EXPECT_EQ(hit.lVal, day);
        }
        VARIANT header{};
        header.vt = VT_I4;
        header.lVal = 29 + 7;
        ASSERT_EQ(table->get_accRole(header, &role), S_OK);
        EXPECT_EQ(role.lVal, ROLE_SYSTEM_COLUMNHEADER);
        EXPECT_EQ(NameOf(table, 29 + 7), L"星期六");

        // A key raises the focus event of the new cell; a month change renames the table.
        watched = f.view.hwnd();
        events.clear();
        const HWINEVENTHOOK hook = ::SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_NAMECHANGE, nullptr,
                                                     OnWinEvent, ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
        ASSERT_NE(hook, nullptr);
        f.Key(VK_RIGHT);
        f.Key(VK_NEXT);
        gui_test::PumpUntilIdle(100);
        ::UnhookWinEvent(hook);
        const EventSeen focus11{EVENT_OBJECT_FOCUS, OBJID_CLIENT, 11};
        const EventSeen renamed{EVENT_OBJECT_NAMECHANGE, OBJID_CLIENT, CHILDID_SELF};
        EXPECT_EQ(events, (std::vector<EventSeen>{focus11, renamed, focus11}));
        EXPECT_EQ(NameOf(table), L"2024年3月");
        EXPECT_EQ(NameOf(table, 11), L"2024年3月11日 星期一 农历二月初二");

        // The default action opens the day's editor, after the call returns.
        VARIANT twelve{};
        twelve.vt = VT_I4;
        twelve.lVal = 12;
        std::string label;
        gui_test::WhenDialogOpens([&](HWND editor) {
            label = TextOf(::GetDlgItem(editor, view::kDateLabelId));
            gui_test::PressButton(editor, IDCANCEL);
            return true;
        });
        EXPECT_EQ(table->accDoDefaultAction(twelve), S_OK);
        EXPECT_TRUE(label.empty()) << "not opened inside the reader's call";
        gui_test::PumpUntilIdle(200);
        EXPECT_EQ(label, "2024年3月12日星期二农历二月初三");
        // A header's opens the weekly editor of its column: Tuesday's.
        VARIANT tuesday{};
        tuesday.vt = VT_I4;
        tuesday.lVal = 31 + 1 + 2;
        gui_test::WhenDialogOpens([&](HWND editor) {
            label = TextOf(::GetDlgItem(editor, -1));
            gui_test::PressButton(editor, IDCANCEL);
            return true;
        });
        EXPECT_EQ(table->accDoDefaultAction(tuesday), S_OK);
        gui_test::PumpUntilIdle(200);
        EXPECT_EQ(label, "每周二");
        kept = table;
    }
    LONG count = 0;
    EXPECT_EQ(kept->get_accChildCount(&count), RPC_E_DISCONNECTED) << "the grid is gone";
    kept->Release();
    ::CoUninitialize();
}

TEST(MonthViewKeys, StripTextAndButtonsAreReadAndTheButtonsPressed) {
    ASSERT_TRUE(SUCCEEDED(::CoInitialize(nullptr)));
    static std::string opened;
    const fw::WebAddressOpener previous = fw::SetWebAddressOpener([](HWND, const char* address) { opened = address; });
    {
        KeysFixture f(2024, 3, 0);
        IAccessible* year = ObjectOf(f.view.YearLabel().hwnd());
        IAccessible* site = ObjectOf(::GetDlgItem(f.view.hwnd(), view::kSiteButtonId));
        ASSERT_TRUE(year && site);
        VARIANT self{}, role{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        EXPECT_EQ(NameOf(year), L"甲辰【龙】年");
        ASSERT_EQ(year->get_accRole(self, &role), S_OK);
        EXPECT_EQ(role.lVal, ROLE_SYSTEM_STATICTEXT);
        EXPECT_EQ(NameOf(site), L"Morvane");
        ASSERT_EQ(site->get_accRole(self, &role), S_OK);
        EXPECT_EQ(role.lVal, ROLE_SYSTEM_PUSHBUTTON);
        EXPECT_EQ(year->accDoDefaultAction(self), DISP_E_MEMBERNOTFOUND);
        EXPECT_EQ(site->accDoDefaultAction(self), S_OK);
        gui_test::PumpUntilIdle();
        EXPECT_EQ(opened, view::kSiteAddress);
        year->Release();
        site->Release();
    }
    fw::SetWebAddressOpener(previous);
    ::CoUninitialize();
}

}  // namespace
