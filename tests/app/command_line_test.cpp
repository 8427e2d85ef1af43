// The switches of the command line.
#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace {

using app::Launch;
using app::LaunchKind;

TEST(CommandLine, SwitchesPickTheLaunchAndExportsTakeTheRestAsTheFile) {
    const std::pair<const char*, Launch> cases[] = {
        {"Veltrano.exe", {}},
        {nullptr, {}},
        {"\"C:\\Program Files\\Veltrano.exe\"  /ics  D:\\记事.ics ", {LaunchKind::ExportIcs, "D:\\记事.ics"}},
        {"Veltrano.exe /ICS \"D:\\my notes.ics\"", {LaunchKind::ExportIcs, "D:\\my notes.ics"}},
        {"Veltrano.exe /ics-rscale a.ics", {LaunchKind::ExportIcsRscale, "a.ics"}},
        {"Veltrano.exe /ics", {LaunchKind::ExportIcs, ""}},
        {"\"Veltrano.exe /ics\" x", {}},  // a program name, not a switch
        {"Veltrano.exe /icsx a.ics", {}},
        {"Veltrano.exe /other", {}},
        {"Veltrano.exe /VERSION", {LaunchKind::ShowVersion, ""}},
        {"Veltrano.exe /versions", {}},
    };
    for (const auto& [line, launch] : cases) EXPECT_EQ(app::ParseCommandLine(line), launch) << (line ? line : "null");
}

}  // namespace
