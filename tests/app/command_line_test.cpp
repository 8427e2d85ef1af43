// The command line picks what the program does; argv[0] is the program.
#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using app::StartAction;

TEST(CommandLine, PicksTheActionFromTheArguments) {
    struct Case {
        std::vector<const char*> argv;
        StartAction expected;
    };
    const Case cases[] = {
        {{"Veltrano.exe"}, StartAction::RunCalendar},
        {{"Veltrano.exe", "/version"}, StartAction::ShowVersion},
        {{"Veltrano.exe", "-VERSION"}, StartAction::ShowVersion},
        {{"Veltrano.exe", "stray", "/Version"}, StartAction::ShowVersion},
        {{"/version"}, StartAction::RunCalendar},  // the program's own name
        {{"Veltrano.exe", "/versions"}, StartAction::RunCalendar},
        {{"Veltrano.exe", "--version"}, StartAction::RunCalendar},
    };
    for (const Case& c : cases)
        EXPECT_EQ(app::ParseCommandLine(static_cast<int>(c.argv.size()), c.argv.data()).action, c.expected)
            << c.argv.back();
}

}  // namespace
