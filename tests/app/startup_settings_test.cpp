// The positions and memo state the windows start with, from whatever the
// settings hold, with every value possibly missing.
#include "app/Settings.h"
#include "tests/app/fake_settings.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <map>
#include <string>

namespace {

using app::ScreenPoint;

using settings_test::FakeSettings;

TEST(StartupSettings, MainWindowPosition) {
    struct Case {
        const char* what;
        std::map<std::string, std::string> values;
        ScreenPoint expected;
    };
    const Case cases[] = {
        {"nothing stored", {}, {500, 300}},
        {"both stored", {{"PosX", "120"}, {"PosY", "80"}}, {120, 80}},
        {"PosY missing", {{"PosX", "120"}}, {120, 300}},
        {"PosX missing: PosY is not consulted", {{"PosY", "80"}}, {500, 300}},
        {"negative x starts at the left edge", {{"PosX", "-20"}, {"PosY", "80"}}, {0, 80}},
        {"negative y starts at the top edge", {{"PosX", "10"}, {"PosY", "-5"}}, {10, 0}},
        {"not a number", {{"PosX", "abc"}, {"PosY", "xyz"}}, {0, 0}},
        {"empty text", {{"PosX", ""}}, {0, 300}},
        {"too big", {{"PosX", "99999999999"}, {"PosY", "-99999999999"}}, {INT_MAX, 0}},
        {"text too long to read", {{"PosX", std::string(300, '1')}}, {500, 300}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeSettings settings;
        settings.values = c.values;
        const ScreenPoint pos = app::ReadMainWindowPos(settings);
        EXPECT_EQ(pos.x, c.expected.x);
        EXPECT_EQ(pos.y, c.expected.y);
    }
}

TEST(StartupSettings, MemoPadPosition) {
    const ScreenPoint fallback{40, 360};
    struct Case {
        const char* what;
        std::map<std::string, std::string> values;
        ScreenPoint expected;
    };
    const Case cases[] = {
        {"nothing stored", {}, fallback},
        {"both stored", {{"MemoX", "700"}, {"MemoY", "20"}}, {700, 20}},
        {"negative x is kept", {{"MemoX", "-20"}, {"MemoY", "20"}}, {-20, 20}},
        {"MemoX missing: both from the fallback", {{"MemoY", "20"}}, fallback},
        {"MemoY missing", {{"MemoX", "700"}}, {700, 360}},
        {"main window values do not count", {{"PosX", "1"}, {"PosY", "2"}}, fallback},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeSettings settings;
        settings.values = c.values;
        const ScreenPoint pos = app::ReadMemoPadPos(settings, fallback);
        EXPECT_EQ(pos.x, c.expected.x);
        EXPECT_EQ(pos.y, c.expected.y);
    }
}

TEST(StartupSettings, MemoPadShownOnlyWhenMemoShowReadsAsOne) {
    struct Case {
        const char* text;  // nullptr: not stored
        bool shown;
    };
    const Case cases[] = {{"1", true},      {"01", true},   {"1 ", true}, {"+1", true}, {"1abc", true},
                          {nullptr, false}, {"", false},    {"0", false}, {"2", false}, {"11", false},
                          {"-1", false},    {"abc", false}, {" 1", false}};
    for (const Case& c : cases) {
        FakeSettings settings;
        if (c.text) settings.values["MemoShow"] = c.text;
        EXPECT_EQ(app::ReadMemoShown(settings), c.shown) << (c.text ? c.text : "(not stored)");
    }
}

TEST(StartupSettings, NewsServerFromNewsHost) {
    struct Case {
        const char* text;  // nullptr: not stored
        const char* host;
        int port;
    };
    const Case cases[] = {
        {nullptr, news::kDefaultNewsHost, 80},    {"news.example.org", "news.example.org", 80},
        {"127.0.0.1:8080", "127.0.0.1", 8080},    {"", news::kDefaultNewsHost, 80},
        {"host:0", news::kDefaultNewsHost, 80},   {"host:99999", news::kDefaultNewsHost, 80},
        {"bad host", news::kDefaultNewsHost, 80},
    };
    for (const Case& c : cases) {
        FakeSettings settings;
        if (c.text) settings.values["NewsHost"] = c.text;
        const news::NewsEndpoint endpoint = app::ReadNewsEndpoint(settings);
        EXPECT_EQ(endpoint.host, c.host) << (c.text ? c.text : "(not stored)");
        EXPECT_EQ(endpoint.port, c.port) << (c.text ? c.text : "(not stored)");
    }
}

}  // namespace

namespace {

// A path with a blank is quoted, or Windows would first try the part before it.
TEST(AutostartCommand, QuotesOnlyPathsWithABlank) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Veltrano\\Veltrano.exe", "C:\\Veltrano\\Veltrano.exe"},
        {"C:\\Program Files\\Veltrano\\Veltrano.exe", "\"C:\\Program Files\\Veltrano\\Veltrano.exe\""},
        {"D:\\日历 工具\\Veltrano.exe", "\"D:\\日历 工具\\Veltrano.exe\""},
    };
    for (const auto& [path, command] : cases) EXPECT_EQ(app::AutostartCommand(path), command) << path;
}

}  // namespace
