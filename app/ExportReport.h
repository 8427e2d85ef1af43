// Where "/ics" tells its result. A script or a scheduled task must not wait
// on a message box: when the program has somewhere to write (a file or a
// pipe it was handed as standard output, or its parent's console), the
// result goes there and the exit code tells success; started from a
// shortcut or a double click, it is shown in a message box.
#pragma once

#include <string>

namespace app {

// What the process was handed as standard output.
enum class StandardOutput { None, File, Pipe, Device, Console };

enum class ReportTo { StandardOutput, ParentConsole, MessageBox };

// A file, a pipe or a device (NUL) takes the report; a console the program
// was handed is not its own (a windowed program has none), so it then goes
// to the parent's console when that could be attached, else to a box.
ReportTo ChooseReportTo(StandardOutput output, bool parentConsoleAttached);

// The report as written to a file or console: GBK lines ending in CR LF.
std::string ReportLines(const std::string& message);

// The process's exit code after an export: 0 when the file was written.
inline int ExportExitCode(bool written) { return written ? 0 : 1; }

}  // namespace app
