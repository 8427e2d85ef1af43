// Characters outside GBK, typed as the emoji panel types them, through the
// day editor and the memo pad: saved as their GB18030 four-byte forms, read
// back after a restart, shown in the day's tip and exported as UTF-8.
#include "app/NotesFolder.h"
#include "ics/NotesExport.h"
#include "resources/resource_ids.h"
#include "tests/gui/CalendarFixture.h"
#include "tests/gui/GuiHarness.h"

#include <fstream>
#include <iterator>

namespace {

// 生日, U+1F382 (a birthday cake) and U+20BB7, a name character.
constexpr wchar_t kTyped[] = L"生日\U0001F382\U00020BB7";
// Their GB18030 bytes, as glibc's iconv gives them.
const std::string kStored = std::string("生日") + "\x94\x39\xBC\x38" + "\x95\x34\xB2\x35";
const std::string kExported = "\xE7\x94\x9F\xE6\x97\xA5\xF0\x9F\x8E\x82\xF0\xA0\xAE\xB7";

constexpr int kDay = 15;  // the fixture's today

using gui_test::WideTextOf;

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Types into `edit` by real input, given the focus first, and waits until
// the edit shows every unit typed.
bool TypeInto(HWND edit, std::wstring_view units) {
    ::SetForegroundWindow(::GetAncestor(edit, GA_ROOT));
    ::SetFocus(edit);
    gui_test::PumpUntilIdle(10);
    const std::wstring expected = WideTextOf(edit) + std::wstring(units);
    gui_test::CharacterInput(units);
    for (const DWORD start = ::GetTickCount(); ::GetTickCount() - start < 5000;) {
        gui_test::PumpUntilIdle(10);
        if (WideTextOf(edit) == expected) return true;
    }
    return false;
}

class WideText : public calendar_test::CalendarTest {
protected:
    // Opens the day's editor by a click on its cell; inside its modal loop,
    // `step` runs on the editor and its one-off edit from a timer until it
    // returns true. False when the editor never came.
    bool InDayEditor(const std::function<bool(HWND editor, HWND edit)>& step) {
        bool done = false;
        gui_test::WhenDialogOpens([&](HWND) {
            const HWND editor = calendar_test::DialogWith(IDC_ONE_OFF_EDIT);
            return editor && (done = step(editor, ::GetDlgItem(editor, IDC_ONE_OFF_EDIT)));
        });
        const view::GridPoint cell = window->MonthView()->GetCellOrigin(kDay);
        gui_test::ReleaseLeft(window->MonthView()->hwnd(), {cell.x + 10, cell.y + 10});
        gui_test::PumpUntilIdle();
        return done;
    }
};

TEST_F(WideText, AnEmojiAndARareCharacterSurviveSavingARestartTheTipAndTheExport) {
    calendar_test::SetSetting("MemoShow", "1");
    Open();

    // The editor's own loop takes the input: typed at the first step, saved
    // once the edit shows it (or given up after a while).
    bool typedNote = false;
    DWORD typedAt = 0;
    ASSERT_TRUE(InDayEditor([&](HWND editor, HWND edit) {
        if (!typedAt) {
            ::SetFocus(edit);
            gui_test::CharacterInput(kTyped);
            typedAt = ::GetTickCount();
            return false;
        }
        typedNote = WideTextOf(edit) == kTyped;
        if (!typedNote && ::GetTickCount() - typedAt < 5000) return false;
        gui_test::PressButton(editor, IDOK);
        return true;
    }));
    EXPECT_TRUE(typedNote) << "the editor got every unit typed";
    const std::string noteFile = Contents("日历\\202403");
    EXPECT_NE(noteFile.find(kStored), std::string::npos) << "the four-byte forms, not \"?\"";

    const HWND memoEdit = ::GetDlgItem(window->MemoPad()->hwnd(), IDC_MEMO_EDIT);
    EXPECT_TRUE(TypeInto(memoEdit, kTyped));
    gui_test::PressButton(window->MemoPad()->hwnd(), IDC_MEMO_HIDE);
    gui_test::PumpUntilIdle();
    EXPECT_EQ(Contents("备忘\\default"), kStored);

    // A restart reads both back whole.
    window.reset();
    calendar_test::SetSetting("MemoShow", "1");
    Open();
    EXPECT_EQ(WideTextOf(::GetDlgItem(window->MemoPad()->hwnd(), IDC_MEMO_EDIT)), kTyped);
    std::wstring reopened;
    ASSERT_TRUE(InDayEditor([&](HWND editor, HWND edit) {
        reopened = WideTextOf(edit);
        gui_test::PressButton(editor, IDCANCEL);
        return true;
    }));
    EXPECT_EQ(reopened, kTyped);

    window->MonthView()->ShowTodayTip();
    gui_test::PumpUntilIdle();
    const view::CDayTipDlg* tip = window->MonthView()->TipPopup();
    ASSERT_NE(tip, nullptr);
    EXPECT_NE(WideTextOf(tip->hwnd()).find(kTyped), std::wstring::npos) << "the tip shows the note whole";

    // What "/ics" writes for the notes folder.
    char temp[MAX_PATH] = {};
    ASSERT_GT(::GetTempPathA(sizeof temp, temp), 0u);
    const std::string file = std::string(temp) + "veltrano-wide-text-test.ics";
    ics::ExportOptions options;
    options.fromYear = 2024;
    options.stamp = "20240315T000000Z";
    const ics::FolderExport exported =
        ics::ExportNotesFolder(app::NotesFolderPath(documents.c_str()).value_or(""), file, options);
    EXPECT_TRUE(exported.written) << exported.message;
    EXPECT_NE(Contents(file).find(kExported), std::string::npos) << "the same characters in UTF-8";
    ::DeleteFileA(file.c_str());
}

}  // namespace
