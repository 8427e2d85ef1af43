// The year's holiday schedule fetched from a loopback source in the data
// set's JSON form. The year 2031 and its days are invented for the test and
// are no real schedule.
#include "app/HolidayFetch.h"
#include "app/NotesFolder.h"
#include "tests/gui/CalendarFixture.h"
#include "tests/gui/GuiHarness.h"
#include "tests/news/support/ScriptedServer.h"


namespace {

using calendar_test::CalendarTest;
using lunar::DayOffMark;

// Days off 1-3 January and 1-9 February 2031, 班 on Saturday 4 January.
std::string Year2031(int year = 2031, const char* saturday = "2031-01-04") {
    std::string days = std::string(R"({"name":"t","date":")") + saturday + R"(","isOffDay":false})";
    for (const char* month : {"01", "02"})
        for (int d = 1; d <= (month[1] == '1' ? 3 : 9); ++d)
            days += std::string(R"(,{"name":"t","date":"2031-)") + month + "-0" + std::to_string(d) +
                    R"(","isOffDay":true})";
    return R"({"year":)" + std::to_string(year) + R"(,"papers":["http://127.0.0.1/notice"],"days":[)" + days + "]}";
}

constexpr char kClosedSource[] = "http://127.0.0.1:9/{year}.json";

std::string Ok(const std::string& body) {
    return "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}

class HolidayFetch : public CalendarTest {
protected:
    HolidayFetch() { SetClock({2031, 3, 10}); }

    bool KeptFileExists() const {
        const std::string path = documents + "\\" + app::kNotesFolderName + "\\" + app::FetchedYearPath(2031, '\\');
        return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    // Whether a tick asks for a year: a fetch running, or already answered.
    bool TickAsks() {
        const int answers = window->HolidayAnswers();
        Tick();
        return window->HolidayFetchRunning() || window->HolidayAnswers() != answers;
    }

    // One ask of the window answered by `script`; `during` runs while it waits.
    void Serve(const newstest::ScriptedServer::Script& script, const std::function<void()>& during = [] {}) {
        newstest::ScriptedServer server(script);
        calendar_test::SetSetting(app::kHolidaySourceValue,
                                  "http://127.0.0.1:" + std::to_string(server.Port()) + "/{year}.json");
        const int answers = window->HolidayAnswers();
        Tick();
        during();
        const DWORD giveUp = ::GetTickCount() + 20000;
        while (window->HolidayAnswers() == answers && ::GetTickCount() < giveUp) gui_test::PumpUntilIdle(10);
        EXPECT_EQ(window->HolidayAnswers(), answers + 1);
        server.Join();
        EXPECT_TRUE(server.WasConnected());
        // A closed loopback port: a tick that asks again shows as a running fetch.
        calendar_test::SetSetting(app::kHolidaySourceValue, kClosedSource);
    }
};

TEST_F(HolidayFetch, TheYearArrivesShowsAtOnceAndIsReadAtTheNextStart) {
    Open();
    window->ShowMonth(2031, 1);
    EXPECT_FALSE(window->MonthView()->holidays.CoversYear(2031));
    const view::CLabelWnd& note = window->MonthView()->ScheduleNoteLabel();
    EXPECT_TRUE(::IsWindowVisible(note.hwnd()));
    EXPECT_EQ(note.Text(), "调休未公布");  // beside the site button: the January title is long
    std::string request;
    Serve([&](news::Socket& c) {
        request = newstest::ReadRequest(c);
        newstest::SendAll(c, Ok(Year2031()));
    });
    EXPECT_EQ(request.rfind("GET /2031.json HTTP/1.1\r\n", 0), 0u) << request;
    EXPECT_EQ(window->MonthView()->DayOffMarkOf(2), DayOffMark::Off);
    EXPECT_EQ(window->MonthView()->DayOffMarkOf(4), DayOffMark::MakeUpWork);
    EXPECT_EQ(window->MonthView()->DayOffMarkOf(6), DayOffMark::None);
    EXPECT_TRUE(KeptFileExists());
    EXPECT_FALSE(::IsWindowVisible(note.hwnd()));
    // Had, it is never asked for again.
    EXPECT_FALSE(TickAsks());

    window.reset();
    Open();
    window->ShowMonth(2031, 2);
    EXPECT_EQ(window->MonthView()->DayOffMarkOf(9), DayOffMark::Off);
    EXPECT_EQ(window->MonthView()->holidays.SourceOf(2031), lunar::ScheduleSource::Fetched);
}

TEST_F(HolidayFetch, HostileAnswersKeepNothingAndTheWindowKeepsAnswering) {
    Open();
    const std::string json = Year2031();
    const std::string answers[] = {
        Ok(Year2031(2032)),                // another year
        Ok(Year2031(2031, "2031-01-06")),  // a Monday marked 班
        Ok(json.substr(0, json.size() / 2)),
        "HTTP/1.1 302 Found\r\nLocation: http://127.0.0.1:9/2031.json\r\nContent-Length: 0\r\n\r\n",
        "HTTP/1.1 200 OK\r\nContent-Length: 10485760\r\n\r\n" + std::string(10 << 20, ' '),
    };
    int day = 10;
    for (const std::string& answer : answers) {
        SetClock({2031, 3, ++day});  // one ask a day
        Serve([&](news::Socket& c) {
            newstest::ReadRequest(c);
            newstest::SendAll(c, answer);
        });
        EXPECT_FALSE(window->MonthView()->holidays.CoversYear(2031)) << answer.substr(0, 60);
        EXPECT_FALSE(KeptFileExists()) << answer.substr(0, 60);
    }
    // Asked today already: not again until tomorrow.
    EXPECT_FALSE(TickAsks());

    // A silent source: the window goes on with its ticks and months while it waits.
    SetClock({2031, 3, ++day});
    Serve(
        [&](news::Socket& c) {
            newstest::ReadRequest(c);
            newstest::Pause(1500);
        },
        [&] {
            Tick();
            window->ShowMonth(2031, 2);
            gui_test::PumpUntilIdle();
            EXPECT_TRUE(window->HolidayFetchRunning());
        });
    EXPECT_FALSE(window->MonthView()->holidays.CoversYear(2031));
}

TEST_F(HolidayFetch, ARestartTheSameDayDoesNotAskAgainTheNextDayDoes) {
    Open();
    Serve([&](news::Socket& c) {
        newstest::ReadRequest(c);
        newstest::SendAll(c, Ok(Year2031(2032)));  // kept nowhere
    });
    EXPECT_EQ(calendar_test::RegText(app::kSettingsKey, app::kHolidayAskedValue), "2031:20310310");
    window.reset();
    Open();
    EXPECT_FALSE(TickAsks());

    window.reset();
    SetClock({2031, 3, 11});
    Open();
    Serve([&](news::Socket& c) {
        newstest::ReadRequest(c);
        newstest::SendAll(c, Ok(Year2031()));
    });
    EXPECT_TRUE(window->MonthView()->holidays.CoversYear(2031));
    EXPECT_EQ(calendar_test::RegText(app::kSettingsKey, app::kHolidayAskedValue), "2031:20310311");
}

}  // namespace
