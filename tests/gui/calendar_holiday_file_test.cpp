// The main window reads the holiday update file from the notes folder at start.
#include "app/NotesFolder.h"
#include "engine/HolidayTable.h"
#include "tests/gui/CalendarFixture.h"

#include <cstdio>

namespace {

using calendar_test::CalendarTest;
using lunar::DayOffMark;

TEST_F(CalendarTest, TheNotesFoldersHolidayFileIsReadAtStart) {
    const std::string folder = documents + "\\" + app::kNotesFolderName;
    ASSERT_TRUE(::CreateDirectoryA(folder.c_str(), nullptr));
    std::FILE* file = std::fopen((folder + "\\" + lunar::kHolidayUpdateFileName).c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fputs("2030-10-01 \xD0\xDD\nnot a date\n2030-10-12 \xB0\xE0\n", file);
    std::fclose(file);
    Open();
    window->ShowMonth(2030, 10);
    EXPECT_EQ(window->MonthView()->DayOffMarkOf(1), DayOffMark::Off);
    EXPECT_EQ(window->MonthView()->DayOffMarkOf(12), DayOffMark::MakeUpWork);
    // The skipped line is told once, after the first picture; the same file
    // at the next start is not told again.
    Tick();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("\xB5\xDA 2 \xD0\xD0"), std::string::npos) << messages[0];  // "第 2 行"
    window.reset();
    Open();
    Tick();
    EXPECT_EQ(messages.size(), 1u);
}

}  // namespace
