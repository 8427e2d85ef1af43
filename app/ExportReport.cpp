#include "app/ExportReport.h"

namespace app {

ReportTo ChooseReportTo(StandardOutput output, bool parentConsoleAttached) {
    switch (output) {
    case StandardOutput::File:
    case StandardOutput::Pipe:
    case StandardOutput::Device: return ReportTo::StandardOutput;
    case StandardOutput::None:
    case StandardOutput::Console: break;
    }
    return parentConsoleAttached ? ReportTo::ParentConsole : ReportTo::MessageBox;
}

std::string ReportLines(const std::string& message) {
    std::string lines;
    for (char c : message) {
        if (c == '\n' && (lines.empty() || lines.back() != '\r')) lines += '\r';
        lines += c;
    }
    if (lines.size() < 2 || lines.compare(lines.size() - 2, 2, "\r\n") != 0) lines += "\r\n";
    return lines;
}

}  // namespace app
