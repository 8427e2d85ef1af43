// Where "/ics" tells its result, and the lines and exit code it gives there.
#include "app/ExportReport.h"

#include <gtest/gtest.h>

namespace {

using app::ReportTo;
using app::StandardOutput;

TEST(ChooseReportTo, WritesWhereverTheProgramWasGivenSomewhereToWrite) {
    struct Case {
        StandardOutput output;
        bool parentConsole;
        ReportTo to;
    };
    const Case cases[] = {
        {StandardOutput::File, false, ReportTo::StandardOutput},
        {StandardOutput::Pipe, false, ReportTo::StandardOutput},
        {StandardOutput::Device, false, ReportTo::StandardOutput},  // "> NUL" in a script
        {StandardOutput::File, true, ReportTo::StandardOutput},     // a redirection wins over the console
        {StandardOutput::None, true, ReportTo::ParentConsole},
        {StandardOutput::Console, true, ReportTo::ParentConsole},
        {StandardOutput::None, false, ReportTo::MessageBox},  // a double click, a shortcut
        {StandardOutput::Console, false, ReportTo::MessageBox},
    };
    for (const Case& c : cases)
        EXPECT_EQ(app::ChooseReportTo(c.output, c.parentConsole), c.to)
            << static_cast<int>(c.output) << ' ' << c.parentConsole;
}

TEST(ReportLines, EndsEveryLineWithCrLf) {
    const std::pair<std::string, std::string> cases[] = {
        {"已导出 3 条记事到 C:\\a.ics", "已导出 3 条记事到 C:\\a.ics\r\n"},
        {"导出失败\n日历\\202604\n日历\\week", "导出失败\r\n日历\\202604\r\n日历\\week\r\n"},
        {"a\r\nb\n", "a\r\nb\r\n"},
        {"", "\r\n"},
    };
    for (const auto& [message, lines] : cases) EXPECT_EQ(app::ReportLines(message), lines) << message;
    EXPECT_EQ(app::ExportExitCode(true), 0);
    EXPECT_EQ(app::ExportExitCode(false), 1);
}

}  // namespace
