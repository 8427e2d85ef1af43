// The command line picks what the program does; argv[0] is the program.
#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using app::StartAction;

TEST(CommandLine, PicksTheActionFromTheArguments) {
    struct Case {
        std::vector<const char*> arguments;  // after the program's own name
        StartAction expected;
    };
    const Case cases[] = {
        {{}, StartAction::RunCalendar},
        {{"/version"}, StartAction::ShowVersion},
        {{"-version"}, StartAction::ShowVersion},
        {{"/VERSION"}, StartAction::ShowVersion},
        {{"/Version", "extra"}, StartAction::ShowVersion},
        {{"stray", "/version"}, StartAction::ShowVersion},
        // Not the switch: the calendar starts as usual.
        {{"version"}, StartAction::RunCalendar},
        {{"/versions"}, StartAction::RunCalendar},
        {{"/v"}, StartAction::RunCalendar},
        {{"/"}, StartAction::RunCalendar},
        {{"--version"}, StartAction::RunCalendar},
        {{"/version "}, StartAction::RunCalendar},
        {{""}, StartAction::RunCalendar},
    };
    for (const Case& c : cases) {
        std::vector<const char*> argv{"Veltrano.exe"};
        argv.insert(argv.end(), c.arguments.begin(), c.arguments.end());
        EXPECT_EQ(app::ParseCommandLine(static_cast<int>(argv.size()), argv.data()).action, c.expected)
            << (c.arguments.empty() ? "(none)" : c.arguments[0]);
    }
}

TEST(CommandLine, TheProgramsOwnNameIsNoSwitch) {
    const char* const argv[] = {"/version"};
    EXPECT_EQ(app::ParseCommandLine(1, argv), app::StartRequest{});
}

}  // namespace
