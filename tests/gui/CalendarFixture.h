// The main window under test: a cleared settings key with a closed loopback
// news port (nothing leaves the machine), a scratch documents folder, a
// clock the test sets, every message box closed as it shows, and the window
// made modeless with its timer stopped, so that the test calls OnTick.
#pragma once

#include "app/CalendarDlg.h"
#include "tests/notes/scratch_dir.h"

#include <memory>
#include <string>
#include <vector>

namespace calendar_test {

// A visible top-level window of this thread holding the control, or null.
HWND DialogWith(int controlId);
// A registry value's text under HKEY_CURRENT_USER, "(none)" when absent.
std::string RegText(const char* subkey, const char* name);
// A news host under .invalid: every fetch ends inside the call that starts
// it, without a name lookup.
inline constexpr char kNoNewsHost[] = "news.invalid";

void SetSetting(const char* name, const std::string& text);

class CalendarTest : public ::testing::Test {
public:
    static std::vector<std::string> messages;  // texts of the message boxes closed

protected:
    CalendarTest();
    ~CalendarTest() override;

    app::CCalendarDlg& Open();
    void Tick(int times = 1);
    void Click(UINT buttonId);
    static void SetClock(app::CalendarDate date);
    static void ClearSettings();  // keeps the loopback news host and no holiday source

    std::string documents;
    std::unique_ptr<app::CCalendarDlg> window;

private:
    notes_test::ScratchDir scratch_;
    UINT_PTR boxTimer_;
};

}  // namespace calendar_test
