// The month view as a window under a stand-in owner: SetMonth, the grid's
// pixels, the pointer, and the note editors it opens, worked from inside
// their modal loops, with the message when a note cannot be saved.
#include "framework/LiveCounts.h"
#include "framework/WorkArea.h"
#include "framework/Shell.h"
#include "framework/WinApp.h"
#include "resources/resource_ids.h"
#include "tests/gui/GuiHarness.h"
#include "tests/notes/scratch_dir.h"
#include "view/DayLabelFit.h"
#include "view/MemoEditDlg.h"
#include "view/MonthView.h"
#include "view/WeeklyDlg.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using gui_test::TextOf;

constexpr COLORREF kRed = RGB(255, 0, 0), kChosen = RGB(10, 200, 30);
constexpr int kChooserRed = 706, kMessageText = 0xFFFF, kWeeklyLabel = -1;
enum class Kind { Editor, Chooser, MessageBox };

struct StandInOwner final : view::MonthViewOwner {
    void ShowTodayButton(bool show) override { shown = show, ++calls; }
    void ShowMonth(int, int) override {}
    void GoToToday() override {}
    bool shown = false;
    int calls = 0;
};

HWND Find(Kind kind) {
    std::pair<Kind, HWND> search{kind, nullptr};
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND w, LPARAM p) -> BOOL {
            auto& [wanted, found] = *reinterpret_cast<std::pair<Kind, HWND>*>(p);
            const bool editor = TextOf(w) == "输入记事 - ri2.23" || TextOf(w) == "每周提示";
            const bool chooser = ::GetDlgItem(w, kChooserRed) != nullptr;
            const Kind seen = editor ? Kind::Editor : chooser ? Kind::Chooser : Kind::MessageBox;
            if (::IsWindowVisible(w) && ::GetDlgItem(w, editor || chooser ? IDOK : kMessageText) && seen == wanted)
                found = w;
            return found == nullptr;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.second;
}

// One thing done in an open editor, or in the colour chooser it opened.
struct Step {
    enum { Read, Type, Press, Click, Choose, Measure, Focus } op;
    int id = 0;  // control, or colour for Choose
    const char* text = "";
};

// Where a Measure step found the editor's controls, in its client area.
std::vector<RECT> measured;
RECT editorClient{}, editorWindow{};

// False while what the step needs is not open yet.
bool Perform(const Step& step, std::string& label) {
    const HWND editor = Find(Kind::Editor), chooser = Find(Kind::Chooser);
    if (step.op == Step::Choose) {
        if (chooser) EXPECT_EQ(::GetWindow(chooser, GW_OWNER), editor) << "the editor waits for its chooser";
        for (int i = 0; chooser && i < 3; ++i) ::SetDlgItemInt(chooser, kChooserRed + i, (step.id >> 8 * i) & 0xFF, 0);
        if (chooser) gui_test::PressButton(chooser, IDOK);
        return chooser != nullptr;
    }
    if (!editor || chooser) return false;
    switch (step.op) {
        case Step::Read: {
            const HWND control = ::GetDlgItem(editor, step.id);
            label = control ? TextOf(control) : "";  // none: no such control
            break;
        }
        case Step::Type: ::SetDlgItemTextA(editor, step.id, step.text); break;
        case Step::Press: gui_test::PressButton(editor, step.id); break;
        case Step::Focus: EXPECT_EQ(::GetDlgCtrlID(::GetFocus()), step.id) << "typing goes into the first edit"; break;
        case Step::Measure:
            ::GetClientRect(editor, &editorClient);
            ::GetWindowRect(editor, &editorWindow);
            measured.clear();
            for (const UINT id :
                 std::initializer_list<UINT>{view::kDateLabelId, view::kOneOffColourId, IDC_ONE_OFF_EDIT,
                                             view::kGregorianLabelId, view::kGregorianColourId, IDC_GREGORIAN_EDIT,
                                             view::kLunarLabelId, view::kLunarColourId, IDC_LUNAR_EDIT}) {
                RECT r{};
                ::GetWindowRect(::GetDlgItem(editor, id), &r);
                ::MapWindowPoints(nullptr, editor, reinterpret_cast<POINT*>(&r), 2);
                measured.push_back(r);
            }
            break;
        default: gui_test::ReleaseLeft(::GetDlgItem(editor, step.id), {1, 1}); break;
    }
    return true;
}

struct Fixture {
    Fixture() {
        notes_test::MakeNoteFolders();
        EXPECT_TRUE(view.Create({0, 22, 363, 258}, &parent, view::kMonthViewId, &owner));
    }
    RECT Cell(int day) const {
        const view::GridPoint o = view.GetCellOrigin(day);
        return {o.x, o.y + 1, o.x + view::kCellWidth, o.y + 1 + view::kCellHeight};
    }
    gui_test::Pixels Picture() {
        ::InvalidateRect(view.hwnd(), nullptr, FALSE);
        return gui_test::Pixels::Of(view.hwnd());
    }
    bool TipShown() const { return ::IsWindowVisible(view.TipPopup()->hwnd()); }
    // A release at `at`, its dialogs worked by `steps` (one a tick); message
    // boxes are closed and kept as "caption|text", and a dialog still open
    // after 8 s is cancelled, so nothing hangs.
    std::vector<std::string> Release(POINT at, const std::vector<Step>& steps) {
        std::vector<std::string> messages;
        std::size_t next = 0;
        const DWORD start = ::GetTickCount();
        gui_test::WhenDialogOpens(
            [&](HWND active) {
                if (const HWND box = Find(Kind::MessageBox)) {
                    const bool byEditor = ::GetWindow(box, GW_OWNER) == Find(Kind::Editor);
                    messages.push_back(TextOf(box) + "|" + TextOf(::GetDlgItem(box, kMessageText)) +
                                       (byEditor ? "|editor" : ""));
                    gui_test::PressButton(box, IDOK);
                } else if (::GetTickCount() - start > 8000) {
                    gui_test::PressButton(active, IDCANCEL);
                } else if (next < steps.size() && Perform(steps[next], label)) {
                    ++next;
                }
                return false;
            },
            16000);
        gui_test::ReleaseLeft(view.hwnd(), at);
        gui_test::WhenDialogOpens([](HWND) { return true; }, 0);  // all it opened has closed
        allStepsDone = next == steps.size();
        return messages;
    }

    notes_test::ScratchDir scratch;
    gui_test::TestParent parent{0, ParentRect()};
    static RECT ParentRect() { return parentRect; }
    static inline RECT parentRect{100, 100, 500, 420};
    StandInOwner owner;
    view::CMonthView view;
    bool allStepsDone = false;
    std::string label;  // what the last Read step read
};

// A note file holding one note.
std::vector<unsigned char> FileOf(int slot, const std::string& text, std::uint32_t colour) {
    std::vector<unsigned char> bytes{
        100, 0, static_cast<unsigned char>(slot), 0, static_cast<unsigned char>(text.size()), 0};
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<unsigned char>(colour >> shift));
    for (const char c : text) bytes.push_back(static_cast<unsigned char>(c));
    return bytes;
}

TEST(MonthView, SetMonthShowsTheMonthItsYearAndTheTodayButton) {
    Fixture f;
    const struct {
        int y, m, mark, dayCount;
        bool todayButton;
        const char *title, *files;
    } cases[] = {
        {2024, 2, 10, 29, false, "癸卯【兔】年－甲辰【龙】年", "202402 102 012 001 week "},
        {2024, 3, 0, 31, true, "甲辰【龙】年", "202403 103 001 002 week "},
        {2023, 3, 0, 31, true, "癸卯【兔】年", "202303 103 002 002 week "},
        {2000, 7, 0, 31, true, "庚辰【龙】年", "200007 107 005 006 007 week "},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(f.view.SetMonth(c.y, c.m, c.mark));
        EXPECT_EQ(f.view.dayCount, c.dayCount);
        EXPECT_EQ(f.view.markYear * 10000 + f.view.markMonth * 100 + f.view.markDay, 20240210);
        EXPECT_EQ(f.owner.shown, c.todayButton) << c.files;
        EXPECT_EQ(f.view.YearLabel().Text(), c.title);
        EXPECT_TRUE(::IsWindowVisible(f.view.YearLabel().hwnd()));
        std::string files;  // the names after "日历" and its separator
        for (const notes::CNoteStore* s :
             {&f.view.dayNotes, &f.view.gregorianYearlyNotes, &f.view.lunarYearlyNotesFirst,
              &f.view.lunarYearlyNotesMiddle, &f.view.lunarYearlyNotesLast, &f.view.weeklyNotes})
            if (s->MaxSlot() > 0) files += std::string(s->FileName()).substr(5) + ' ';
        EXPECT_EQ(files, c.files);
    }
    EXPECT_FALSE(f.view.SetMonth(2050, 1, 1)) << "beyond the tables";
    EXPECT_EQ(f.owner.calls, 4);
}

TEST(MonthView, DayCellsShowTheirKindAndTheirNotes) {
    enum Notes { None, OneOff, ChosenOneOff, Weekly, BothYearly };
    const COLORREF sky = RGB(135, 206, 250), cell = view::cellBackColor, black = view::plainDayColor;
    const struct {
        int y, m, day;
        Notes notes;
        COLORREF fill, number, also, absent;
    } cases[] = {
        {2024, 1, 6, None, cell, view::solarTermColor, cell, view::saturdayColor},  // Saturday solar term
        {2024, 2, 24, None, cell, kRed, kRed, view::saturdayColor},                 // Saturday festival
        {2024, 2, 24, OneOff, sky, black, black, kRed},
        {2024, 2, 5, ChosenOneOff, kChosen, black, kChosen, cell},
        {2024, 2, 25, Weekly, cell, kRed, kChosen, black},  // a Sunday stays red, with the dot
        {2024, 2, 6, BothYearly, cell, black, RGB(128, 0, 255), view::saturdayColor},
    };
    for (const auto& c : cases) {
        Fixture f;
        ASSERT_TRUE(f.view.SetMonth(c.y, c.m, 0));
        const std::uint32_t chosen = notes::CustomColourBit | kChosen;
        const int saved = c.notes == OneOff         ? f.view.dayNotes.Set(c.day, "x", 1, 0)
                          : c.notes == ChosenOneOff ? f.view.dayNotes.Set(c.day, "x", 1, chosen)
                          : c.notes == Weekly       ? f.view.weeklyNotes.Set(0, "x", 1, chosen)
                          : c.notes == BothYearly   ? f.view.gregorianYearlyNotes.Set(c.day, "x", 1, 0) |
                                                        f.view.SetLunarYearly(c.day, "x", 1, 0)
                                                  : 0;
        ASSERT_EQ(saved, 0);
        const gui_test::Pixels pixels = f.Picture();
        const RECT r = f.Cell(c.day);
        EXPECT_EQ(pixels.At(r.right - 1, r.top), c.fill) << c.day;
        EXPECT_GT(pixels.Count({r.left + 10, r.top + 2, r.right, r.bottom}, c.number), 0) << c.day;
        EXPECT_GT(pixels.Count(r, c.also), 0) << c.day;
        EXPECT_EQ(pixels.Count(r, c.absent), 0) << c.day;
    }
}

TEST(MonthView, GridStripHeaderAndTheMarkOnlyInTheMarkedMonth) {
    Fixture f;
    ASSERT_TRUE(f.view.SetMonth(2024, 2, 10));  // day 1 a Thursday, day 10 a Saturday
    const gui_test::Pixels marked = f.Picture();
    EXPECT_EQ(marked.Count({0, 21, 51, 53}, view::cellBackColor), 51 * 32) << "a leading empty cell";
    EXPECT_EQ(marked.At(51, 100), view::gridLineColor);
    EXPECT_EQ(marked.At(30, 20), view::gridLineColor);
    EXPECT_EQ(marked.At(360, 230), view::stripBackColor);
    EXPECT_EQ(marked.At(48, 10), view::headerBackColor);
    EXPECT_GT(marked.Count({0, 0, 312, 20}, view::headerTextColor), 0);
    EXPECT_EQ(marked.Count({0, 0, 312, 20}, view::markColor), 0);
    EXPECT_GT(marked.Count({312, 0, 363, 20}, view::markColor), 0) << "Saturday's name";
    const RECT ten = f.Cell(10);
    EXPECT_GT(marked.Count({ten.left - 7, ten.top - 8, ten.right, ten.top}, view::markColor), 0) << "the ring";
    ASSERT_TRUE(f.view.SetMonth(2024, 3, 0));
    EXPECT_EQ(f.Picture().Count({0, 0, 363, 236}, view::markColor), 0);
}

TEST(MonthView, WeekdayNamesKeepOneFontWhicheverCarriesAWeeklyNote) {
    Fixture f;
    ASSERT_TRUE(f.view.SetMonth(2024, 2, 0));
    const RECT wednesday{166, 0, 208, 20};
    const int plain = f.Picture().Count(wednesday, view::headerTextColor);
    ASSERT_GT(plain, 0) << "the name is drawn";
    ASSERT_EQ(f.view.weeklyNotes.Set(1, "Monday", 6, 0), 0);
    EXPECT_EQ(f.Picture().Count(wednesday, view::headerTextColor), plain);
}

TEST(MonthView, TipFollowsThePointerWithoutTakingTheFocus) {
    Fixture f;
    ASSERT_TRUE(f.view.SetMonth(2024, 2, 10));
    ASSERT_EQ(f.view.weeklyNotes.Set(1, "mon", 3, 0) | f.view.dayNotes.Set(5, "once", 4, 0), 0);
    ::SetActiveWindow(f.parent.hwnd());
    // The 12th (weekly note), the 5th (weekly and one-off), the 6th, an empty cell, the header.
    const struct {
        POINT at;
        int lines;  // 0: hidden
    } moves[] = {{{60, 110}, 1}, {{60, 60}, 2}, {{90, 80}, 2}, {{110, 60}, 0},
                 {{60, 60}, 2},  {{10, 30}, 0}, {{60, 60}, 2}, {{10, 5}, 0}};
    gui_test::MoveMouse(f.view.hwnd(), moves[0].at);
    const int line = f.view.TipPopup()->TipHeight();
    for (const auto& move : moves) {
        gui_test::MoveMouse(f.view.hwnd(), move.at);
        EXPECT_EQ(f.TipShown() ? f.view.TipPopup()->TipHeight() / line : 0, move.lines) << move.at.x << move.at.y;
        EXPECT_EQ(::GetActiveWindow(), f.parent.hwnd()) << "the tip never takes the focus";
    }

    ASSERT_EQ(f.view.gregorianYearlyNotes.Set(10, "x", 1, 0), 0);
    ASSERT_TRUE(f.view.SetMonth(2024, 3, 0));
    f.view.ShowTodayTip();
    EXPECT_FALSE(f.TipShown()) << "today's tip in another month";
    ASSERT_TRUE(f.view.SetMonth(2024, 2, 0));
    f.view.ShowTodayTip();
    POINT below{312, 53 + 12};  // the 10th's cell origin, 12 lower
    ::ClientToScreen(f.view.hwnd(), &below);
    EXPECT_EQ(gui_test::WindowRectOf(f.view.TipPopup()->hwnd()).top, f.TipShown() ? below.y + 12 : -1);
}

// The tip: gone when the pointer leaves or the month changes, back for the
// same day after an editor, and inside the work area at the screen's foot.
TEST(MonthView, TipLeavesWithThePointerAndTheMonthAndStaysOnTheScreen) {
    const RECT area = [] {
        const base::ScreenRect a = fw::WorkAreaOf(::GetDesktopWindow());
        return RECT{a.left, a.top, a.right, a.bottom};
    }();
    Fixture::parentRect = {area.right - 400, area.bottom - 300, area.right, area.bottom};
    Fixture f;
    Fixture::parentRect = {100, 100, 500, 420};
    ASSERT_TRUE(f.view.SetMonth(2024, 2, 0));
    ASSERT_EQ(f.view.dayNotes.Set(29, "one\r\ntwo\r\nthree\r\nfour\r\nfive\r\nsix\r\nseven\r\neight", 46, 0), 0);
    const view::GridPoint origin = f.view.GetCellOrigin(29);
    POINT day29{origin.x + 20, origin.y + 20};  // bottom row, near the screen's foot
    ::ClientToScreen(f.view.hwnd(), &day29);
    const auto pointer = [](POINT at) {
        gui_test::PointerInput(at);
        for (int i = 0; i < 5; ++i) gui_test::PumpUntilIdle(100);
    };
    pointer(day29);
    ASSERT_TRUE(f.TipShown());
    const RECT tip = gui_test::WindowRectOf(f.view.TipPopup()->hwnd());
    EXPECT_TRUE(tip.left >= area.left && tip.top >= area.top && tip.right <= area.right && tip.bottom <= area.bottom);
    EXPECT_LT(tip.bottom, day29.y) << "too tall for below: above the pointer";

    pointer({5, 5});
    EXPECT_FALSE(f.TipShown()) << "the pointer left the grid";
    pointer(day29);
    ASSERT_TRUE(f.TipShown()) << "the same day again";
    ASSERT_TRUE(f.view.SetMonth(2024, 3, 0));
    EXPECT_FALSE(f.TipShown()) << "another month";
    ASSERT_TRUE(f.view.SetMonth(2024, 2, 0));
    f.Release({origin.x + 20, origin.y + 20}, {{Step::Press, IDCANCEL}});
    pointer({day29.x + 1, day29.y});
    ASSERT_TRUE(f.TipShown()) << "the same day after its editor";
}

TEST(MonthView, SiteButtonOpensTheSiteAddressOnlyAndRepaintsLeakNothing) {
    static std::string opened;
    static HWND openedFor = nullptr;
    const fw::WebAddressOpener previous =
        fw::SetWebAddressOpener([](HWND owner, const char* address) { opened += address, openedFor = owner; });
    Fixture f;
    ::PostMessageA(f.view.hwnd(), view::WM_HOVERBUTTON_CLICK, 999, 0);
    gui_test::ReleaseLeft(::GetDlgItem(f.view.hwnd(), view::kSiteButtonId), {1, 1});
    gui_test::PumpUntilIdle();
    fw::SetWebAddressOpener(previous);
    EXPECT_EQ(opened, view::kSiteAddress);
    EXPECT_EQ(openedFor, f.view.hwnd());

    ASSERT_TRUE(f.view.SetMonth(2024, 2, 10));  // the ring, and every kind of note on the 10th
    ASSERT_EQ(f.view.dayNotes.Set(10, "x", 1, 0) | f.view.weeklyNotes.Set(6, "x", 1, 0) |
                  f.view.gregorianYearlyNotes.Set(10, "x", 1, 0) | f.view.SetLunarYearly(10, "x", 1, 0),
              0);
    gui_test::PumpUntilIdle();
    const int before = fw::LiveGdiObjects();
    for (int i = 0; i < 1000; ++i) ::RedrawWindow(f.view.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(fw::LiveGdiObjects(), before);
}

TEST(MonthView, AReleaseOpensTheEditorOfWhatIsUnderItAndOkStoresWhatItHolds) {
    const std::uint32_t chosen = notes::CustomColourBit | kChosen;
    const Step cancel{Step::Press, IDCANCEL}, ok{Step::Press, IDOK}, choose{Step::Choose, kChosen};
    const Step date{Step::Read, view::kDateLabelId}, weekday{Step::Read, kWeeklyLabel};
    const Step gregorian{Step::Read, view::kGregorianLabelId}, lunar{Step::Read, view::kLunarLabelId};
    const struct {
        int y, m;
        POINT at;
        std::vector<Step> steps;
        const char* label;  // "" when nothing opens
        const char* file;   // the only note file afterwards, or none
        std::vector<unsigned char> bytes;
    } cases[] = {
        // clang-format off
        {2024, 2, {82, 74}, {{Step::Focus, IDC_ONE_OFF_EDIT}, date, cancel}, "2024年2月5日星期一农历十二月廿六", nullptr, {}},
        {2024, 2, {220, 20}, {date, cancel}, "2024年2月1日星期四农历十二月廿二", nullptr, {}},
        {2024, 2, {362, 19}, {{Step::Focus, IDC_WEEKLY_EDIT}, weekday, cancel}, "每周六", nullptr, {}},
        {2024, 2, {10, 30}, {date, cancel}, "", nullptr, {}},
        // a leap-month day edits the regular month's note
        {2023, 3, {176, 140}, {lunar, {Step::Type, IDC_LUNAR_EDIT, "x"}, ok}, "农历每年二月初一", "002", FileOf(1, "x", 0)},
        {2006, 12, {20, 190}, {gregorian, {Step::Type, IDC_GREGORIAN_EDIT, "  x "}, ok}, "阳历每年12月31日",
         "112", FileOf(31, "x ", 0)},
        {2006, 12, {20, 190}, {gregorian, {Step::Click, 1049}, choose, cancel}, "阳历每年12月31日", nullptr, {}},
        {2006, 12, {20, 190}, {gregorian, {Step::Click, 1049}, choose, ok}, "阳历每年12月31日",
         "200612", FileOf(31, "", chosen)},
        // the middle one of three lunar months
        {2000, 7, {332, 100}, {lunar, {Step::Type, IDC_LUNAR_EDIT, "x"}, ok}, "农历每年六月十四", "006", FileOf(14, "x", 0)},
        {2024, 2, {114, 3}, {weekday, {Step::Type, IDC_WEEKLY_EDIT, "x"}, {Step::Click, 1056}, choose, ok}, "每周二",
         "week", FileOf(2, "x", chosen)},
        // clang-format on
    };
    for (const auto& c : cases) {
        Fixture f;
        ASSERT_TRUE(f.view.SetMonth(c.y, c.m, 0));
        EXPECT_TRUE(f.Release(c.at, c.steps).empty());
        EXPECT_EQ(f.allStepsDone, *c.label != '\0') << c.label;
        EXPECT_EQ(f.label, c.label);
        EXPECT_FALSE(f.view.EditorOpen());
        EXPECT_EQ(f.scratch.FileCount(), c.file ? 1 : 0) << c.label;
        if (c.file) {
            EXPECT_EQ(notes_test::FileContents(notes_test::PathOf("日历", c.file)), c.bytes) << c.file;
        }
    }
}

// The labels and colour buttons are placed in pixels; the editor lays its
// template out so that they sit inside it, beside the edit they name.
TEST(MonthView, DayEditorLabelsSitBesideTheirEdits) {
    Fixture f;
    ASSERT_TRUE(f.view.SetMonth(2024, 2, 0));
    f.Release({82, 74}, {{Step::Measure}, {Step::Press, IDCANCEL}});
    ASSERT_EQ(measured.size(), 9u);
    for (const RECT& r : measured) {
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= editorClient.right && r.bottom <= editorClient.bottom);
    }
    // Date label and its button above the one-off edit; the yearly ones left of theirs, on their line.
    EXPECT_LE(measured[0].bottom, measured[2].top);
    EXPECT_LE(measured[1].bottom, measured[2].top);
    for (const int row : {3, 6}) {
        const RECT &label = measured[row], &button = measured[row + 1], &edit = measured[row + 2];
        EXPECT_LT(label.right, edit.left);
        EXPECT_LT(button.right, edit.left);
        EXPECT_TRUE(label.top < edit.bottom && edit.top < label.bottom) << "label " << row;
        EXPECT_TRUE(button.top < edit.bottom && edit.top < button.bottom) << "button " << row;
    }
}

// The line under the lunar-yearly note, where one applies.
TEST(MonthView, DayEditorSaysWhenTheLunarYearlyNoteShowsTwice) {
    const struct {
        int y, m, day;
        const char* hint;
    } cases[] = {{2025, 7, 6, "2025年有闰六月，此记事显示两次"}, {2024, 2, 5, ""}};  // lunar 6-12; 12-26
    for (const auto& c : cases) {
        Fixture f;
        ASSERT_TRUE(f.view.SetMonth(c.y, c.m, 0));
        const RECT cell = f.Cell(c.day);
        f.Release({cell.left + 4, cell.top + 4}, {{Step::Read, view::kLunarHintId}, {Step::Press, IDCANCEL}});
        EXPECT_TRUE(f.allStepsDone);
        EXPECT_EQ(f.label, c.hint);
    }
}

TEST(MonthView, AnEditorOpenedAtTheScreensCornerLiesInsideTheWorkArea) {
    const base::ScreenRect a = fw::WorkAreaOf(::GetDesktopWindow());
    Fixture::parentRect = {a.right - 400, a.bottom - 300, a.right, a.bottom};
    Fixture f;
    Fixture::parentRect = {100, 100, 500, 420};
    ASSERT_TRUE(f.view.SetMonth(2024, 2, 0));
    f.Release({300, 190}, {{Step::Measure}, {Step::Press, IDCANCEL}});
    const RECT& r = editorWindow;
    EXPECT_TRUE(r.left >= a.left && r.top >= a.top && r.right <= a.right && r.bottom <= a.bottom)
        << r.left << "," << r.top << "-" << r.right << "," << r.bottom;
}

// A lunar month's name wider than its cell is drawn whole inside it (the
// cell shows every pixel of the label drawn alone as PlaceDayLabel says); a
// label that fits stays where it always was.
TEST(MonthView, LabelsTooWideForTheirCellShowWhole) {
    Fixture f;
    ASSERT_TRUE(f.view.SetMonth(2026, 12, 0));
    const gui_test::Pixels pixels = f.Picture();
    const fw::CClientDC screen(f.view.hwnd());
    for (const int day : {9, 10}) {
        const char* label = f.view.days[day].label;
        const int weight = f.view.days[day].monthNameShown ? 700 : 400;
        fw::CFont regular, narrow;
        regular.CreateFont(14, 0, 0, 0, weight, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
        narrow.CreateFont(14, 5, 0, 0, weight, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
        const auto widthIn = [&](const fw::CFont& font) {
            const fw::SelectGuard selected(screen.get(), font.get());
            SIZE size{};
            ::GetTextExtentPoint32A(screen.get(), label, lstrlenA(label), &size);
            return static_cast<int>(size.cx);
        };
        const view::DayLabelPlacement placed = view::PlaceDayLabel(widthIn(regular), widthIn(narrow));
        const fw::CMemoryDC alone(screen.get(), 200, 20);
        fw::FillSolidRect(alone.get(), {0, 0, 200, 20}, view::cellBackColor);
        const fw::SelectGuard selected(alone.get(), (placed.font == view::DayLabelFont::Narrow ? narrow : regular).get());
        ::SetBkMode(alone.get(), TRANSPARENT);
        ::TextOutA(alone.get(), placed.offset, 0, label, lstrlenA(label));
        const RECT cell = f.Cell(day);
        int whole = 0, shown = 0;
        for (int y = 0; y < 15; ++y) {
            for (int x = 0; x < 200; ++x) whole += ::GetPixel(alone.get(), x, y) != view::cellBackColor;
            for (int x = 0; x < view::kCellWidth; ++x)
                shown += pixels.At(cell.left + x, cell.top + 16 + y) != view::cellBackColor;
        }
        EXPECT_GT(whole, 0) << label;
        EXPECT_EQ(shown, whole) << label;
        if (day == 10) EXPECT_EQ(placed, (view::DayLabelPlacement{view::DayLabelFont::Regular, view::kDayLabelOffset}));
    }
}

TEST(MonthView, ANoteThatCannotBeSavedIsReportedAndStaysShown) {
    const struct {
        const char* file;
        int editId, x, y, slot;
    } cases[] = {{"202402", IDC_ONE_OFF_EDIT, 82, 74, 5}, {"week", IDC_WEEKLY_EDIT, 82, 5, 1}};
    for (const auto& c : cases) {
        Fixture f;
        ASSERT_TRUE(f.view.SetMonth(2024, 2, 0));
        const notes::CNoteStore& store = c.editId == IDC_WEEKLY_EDIT ? f.view.weeklyNotes : f.view.dayNotes;
        // A folder where the file goes stops even a user who may write anywhere.
        const std::string blocked = notes_test::PathOf("日历", c.file);
        ASSERT_TRUE(::CreateDirectoryA(blocked.c_str(), nullptr));
        // The editor stays open with the text after the message, which it owns.
        EXPECT_EQ(f.Release({c.x, c.y}, {{Step::Type, c.editId, "text"}, {Step::Press, IDOK}, {Step::Read, c.editId},
                                         {Step::Press, IDCANCEL}}),
                  std::vector<std::string>{fw::AppName() + "|记事保存失败，请检查磁盘空间和文件夹权限|editor"});
        EXPECT_TRUE(f.allStepsDone) << c.file;
        EXPECT_EQ(f.label, "text") << c.file;
        EXPECT_STREQ(store.Slot(c.slot).Text(), "text") << c.file;

        ASSERT_TRUE(::RemoveDirectoryA(blocked.c_str()));
        EXPECT_TRUE(f.Release({c.x, c.y}, {{Step::Type, c.editId, "again"}, {Step::Press, IDOK}}).empty())
            << "a good save is silent";
        EXPECT_EQ(f.scratch.FileCount(), 1) << c.file;
    }
}

}  // namespace

namespace {

TEST(MonthView, DayOffAndMakeUpWorkMarksSitTopRightClearOfTheNumber) {
    Fixture f;
    const auto mark = [&](int day) {
        const RECT c = f.Cell(day);
        return RECT{c.left + view::kDayOffMarkLeft, c.top, c.right, c.top + 14};
    };
    ASSERT_TRUE(f.view.SetMonth(2026, 2, 0));
    ASSERT_EQ(f.view.dayNotes.Set(14, "x", 1, notes::CustomColourBit | kChosen), 0);  // a one-off fill under 班
    const gui_test::Pixels feb = f.Picture();
    EXPECT_GT(feb.Count(mark(14), view::makeUpWorkColor), 0);
    EXPECT_GT(feb.Count(mark(20), view::dayOffColor), 0);
    EXPECT_EQ(feb.Count(mark(24), view::dayOffColor) + feb.Count(mark(24), view::makeUpWorkColor), 0);
    // 2009-01-30, a day off with a black "30" that stays left of its mark.
    ASSERT_TRUE(f.view.SetMonth(2009, 1, 0));
    const gui_test::Pixels jan = f.Picture();
    EXPECT_GT(jan.Count(mark(30), view::dayOffColor), 0);
    EXPECT_EQ(jan.Count(mark(30), view::plainDayColor), 0);
    EXPECT_GT(jan.Count(f.Cell(30), view::plainDayColor), 0);
}

TEST(MonthView, ASolarTermDayShowsItsTipWithoutNotes) {
    Fixture f;
    ASSERT_TRUE(f.view.SetMonth(2026, 12, 0));
    const auto over = [&](int day) {
        const view::GridPoint o = f.view.GetCellOrigin(day);
        gui_test::MoveMouse(f.view.hwnd(), {o.x + 20, o.y + 15});
        return f.TipShown();
    };
    EXPECT_TRUE(over(7)) << "大雪";
    EXPECT_FALSE(over(8));
}

}  // namespace
