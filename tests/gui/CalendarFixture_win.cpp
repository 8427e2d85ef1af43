#include "tests/gui/CalendarFixture.h"

#include "app/DocumentsFolder.h"
#include "app/LocalClock.h"
#include "app/Registry.h"
#include "tests/app/registry_test_support.h"
#include "tests/gui/GuiHarness.h"

#include <filesystem>

namespace calendar_test {

namespace {

constexpr int kMessageTextId = 0xFFFF;  // the message box's text
app::CalendarDate clockDate;
std::string documentsFolder;
std::vector<HWND> closedBoxes;

BOOL CALLBACK CloseMessageBox(HWND box, LPARAM) {
    if (!::IsWindowVisible(box) || !::GetDlgItem(box, kMessageTextId) || !::GetDlgItem(box, IDOK) ||
        std::find(closedBoxes.begin(), closedBoxes.end(), box) != closedBoxes.end())
        return TRUE;
    closedBoxes.push_back(box);
    CalendarTest::messages.push_back(gui_test::TextOf(::GetDlgItem(box, kMessageTextId)));
    gui_test::PressButton(box, IDOK);
    return TRUE;
}

}  // namespace

std::vector<std::string> CalendarTest::messages;

HWND DialogWith(int controlId) {
    std::pair<int, HWND> search{controlId, nullptr};
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<std::pair<int, HWND>*>(param);
            if (::IsWindowVisible(window) && ::GetDlgItem(window, s->first)) s->second = window;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.second;
}

std::string RegText(const char* subkey, const char* name) {
    const app_test::RawValue raw = app_test::ReadRaw(subkey, name);
    return raw.exists ? app_test::TextOf(raw) : "(none)";
}

void SetSetting(const char* name, const std::string& text) {
    ASSERT_EQ(app::WriteRegString(app::kSettingsKey, name, text.c_str()), 0);
}

CalendarTest::CalendarTest() {
    documents = documentsFolder = std::filesystem::current_path().string();  // the scratch folder
    app::SetDocumentsFolderSource([] { return documentsFolder; });
    clockDate = {2024, 3, 15};
    // The pointer rests off the calendar: a day under it would show its tip.
    ::SetCursorPos(0, 0);
    app::SetLocalClock([] { return clockDate; });
    ClearSettings();
    app_test::DeleteValue(app::kAutostartKey, app::kAutostartValue);
    messages.clear();
    closedBoxes.clear();
    // Slower than the harness's idle wait, so that pumping still ends.
    boxTimer_ = ::SetTimer(nullptr, 0, 120, [](HWND, UINT, UINT_PTR, DWORD) {
        ::EnumThreadWindows(::GetCurrentThreadId(), &CloseMessageBox, 0);
    });
}

CalendarTest::~CalendarTest() {
    window.reset();
    ::KillTimer(nullptr, boxTimer_);
    app::SetLocalClock(nullptr);
    app::SetDocumentsFolderSource(nullptr);
    std::error_code ignored;
    std::filesystem::current_path(documents, ignored);  // out of the notes folder the window entered
}

void CalendarTest::ClearSettings() {
    ::RegDeleteKeyA(HKEY_CURRENT_USER, app::kSettingsKey);
    SetSetting(app::kNewsHostValue, kNoNewsHost);
    // No holiday schedule is fetched unless a test serves one.
    SetSetting(app::kHolidaySourceValue, "");
}

app::CCalendarDlg& CalendarTest::Open() {
    window = std::make_unique<app::CCalendarDlg>();
    EXPECT_TRUE(window->Create(IDD_MAIN, nullptr));
    ::KillTimer(window->hwnd(), app::kTickTimerId);
    gui_test::PumpUntilIdle();
    return *window;
}

void CalendarTest::Tick(int times) {
    for (int i = 0; i < times; ++i) window->OnTick();
    gui_test::PumpUntilIdle(10);
}

void CalendarTest::Click(UINT buttonId) {
    ::PostMessageA(window->hwnd(), view::WM_HOVERBUTTON_CLICK, buttonId, 0);
    gui_test::PumpUntilIdle();
}

void CalendarTest::SetClock(app::CalendarDate date) { clockDate = date; }

}  // namespace calendar_test
