// The calendar's windows on an English Windows (code page 1252, the prefix
// tools/wine-run.sh makes for VELTRANO_CODEPAGE=1252): every Chinese text
// reads back as the characters a Chinese Windows shows, in the main window,
// both editors, the tip, the memo pad, the exit prompt and a message box.
#include "app/NotesFolder.h"
#include "base/WideText_win.h"
#include "resources/resource_ids.h"
#include "tests/gui/CalendarFixture.h"
#include "tests/gui/GuiHarness.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

using gui_test::WideTextOf;

constexpr int kDay = 15;  // the fixture's today, Friday 15 March 2024

// The texts of a window's children, in their order.
std::vector<std::wstring> ChildTexts(HWND window) {
    std::vector<std::wstring> texts;
    ::EnumChildWindows(
        window,
        [](HWND child, LPARAM param) -> BOOL {
            reinterpret_cast<std::vector<std::wstring>*>(param)->push_back(WideTextOf(child));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&texts));
    return texts;
}

bool Holds(const std::vector<std::wstring>& texts, const std::wstring& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

std::wstring ComboItem(const fw::CComboBox& combo, int index) {
    wchar_t item[64] = {};
    ::SendMessageW(combo.hwnd(), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item));
    return item;
}

class EnglishWindows : public calendar_test::CalendarTest {
protected:
    // Clicks at `client` in the grid; `read` runs on the dialog holding
    // `controlId` inside its modal loop, which is then cancelled.
    void InEditor(POINT client, int controlId, const std::function<void(HWND editor)>& read) {
        bool opened = false;
        gui_test::WhenDialogOpens([&](HWND) {
            const HWND editor = calendar_test::DialogWith(controlId);
            if (!editor) return false;
            read(editor);
            opened = true;
            gui_test::PressButton(editor, IDCANCEL);
            return true;
        });
        gui_test::ReleaseLeft(window->MonthView()->hwnd(), client);
        gui_test::PumpUntilIdle();
        EXPECT_TRUE(opened) << controlId;
    }
    POINT DayPoint(int day) const {
        const view::GridPoint cell = window->MonthView()->GetCellOrigin(day);
        return {cell.x + 10, cell.y + 10};
    }
};

TEST_F(EnglishWindows, EveryWindowShowsItsChineseTexts) {
    ASSERT_EQ(::GetACP(), 1252u) << "an English system";
    calendar_test::SetSetting("MemoShow", "1");
    Open();

    EXPECT_EQ(ComboItem(window->YearCombo(), 2024 - 1900), L"2024年");
    EXPECT_EQ(ComboItem(window->MonthCombo(), 2), L"3月");
    EXPECT_EQ(WideTextOf(window->MonthView()->YearLabel().hwnd()), L"甲辰【龙】年");
    EXPECT_EQ(WideTextOf(window->TodayButton().hwnd()), L"返回");

    InEditor(DayPoint(kDay), IDC_ONE_OFF_EDIT, [&](HWND editor) {
        EXPECT_EQ(WideTextOf(editor), L"输入记事 - ri2.23");
        const std::vector<std::wstring> texts = ChildTexts(editor);
        EXPECT_TRUE(Holds(texts, L"2024年3月15日星期五农历二月初六")) << texts.size();
        EXPECT_TRUE(Holds(texts, L"确定") && Holds(texts, L"取消"));
    });
    // The weekday band above the days opens the weekly editor of its column.
    const view::GridPoint friday = window->MonthView()->GetCellOrigin(kDay);
    InEditor({friday.x + 10, 5}, IDC_WEEKLY_EDIT, [&](HWND editor) {
        EXPECT_TRUE(Holds(ChildTexts(editor), L"每周五"));
    });

    // A note typed into the editor shows in the tip as it was typed.
    gui_test::WhenDialogOpens([&](HWND) {
        const HWND editor = calendar_test::DialogWith(IDC_ONE_OFF_EDIT);
        if (!editor) return false;
        ::SetDlgItemTextW(editor, IDC_ONE_OFF_EDIT, L"交房租");
        gui_test::PressButton(editor, IDOK);
        return true;
    });
    gui_test::ReleaseLeft(window->MonthView()->hwnd(), DayPoint(kDay));
    gui_test::PumpUntilIdle();
    window->MonthView()->ShowTodayTip();
    gui_test::PumpUntilIdle();
    ASSERT_NE(window->MonthView()->TipPopup(), nullptr);
    EXPECT_NE(WideTextOf(window->MonthView()->TipPopup()->hwnd()).find(L"交房租"), std::wstring::npos);

    const HWND pad = window->MemoPad()->hwnd();
    ::SetDlgItemTextW(pad, IDC_MEMO_EDIT, L"买菜");
    EXPECT_TRUE(Holds(ChildTexts(pad), L"记事小本"));
    EXPECT_EQ(WideTextOf(::GetDlgItem(pad, IDC_MEMO_EDIT)), L"买菜");

    std::vector<std::wstring> prompt;
    gui_test::WhenDialogOpens([&](HWND) {
        const HWND exitPrompt = calendar_test::DialogWith(IDC_EXIT_UNINSTALL);
        if (!exitPrompt) return false;
        prompt = ChildTexts(exitPrompt);
        ::PostMessageW(exitPrompt, WM_COMMAND, IDCANCEL, 0);
        return true;
    });
    Click(app::kCloseButtonId);
    EXPECT_TRUE(Holds(prompt, L"关闭程序") && Holds(prompt, L"卸载")) << prompt.size();
}

TEST_F(EnglishWindows, AMessageBoxSaysItInChinese) {
    ASSERT_EQ(::GetACP(), 1252u);
    // A file where the notes folder belongs.
    const std::wstring blocker = base::Gb18030ToWide(documents + "\\" + app::kNotesFolderName);
    ::CloseHandle(::CreateFileW(blocker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    Open();
    Tick(3);
    ASSERT_EQ(messages.size(), 1u);
    const std::wstring message = base::Gb18030ToWide(messages[0]);
    EXPECT_NE(message.find(L"我的记事"), std::wstring::npos);
    EXPECT_EQ(message.find(L'?'), std::wstring::npos) << "no character lost on the way";
}

}  // namespace
