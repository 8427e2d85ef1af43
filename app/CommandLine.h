// What the program is asked to do by its command line: run the calendar,
// show its version ("/version"), or write the notes to an iCalendar file
// ("/ics FILE", or "/ics-rscale FILE" for lunar rules in the Chinese
// calendar) and end.
#pragma once

#include <string>

namespace app {

enum class LaunchKind { Calendar, ShowVersion, ExportIcs, ExportIcsRscale };

struct Launch {
    LaunchKind kind = LaunchKind::Calendar;
    std::string file;  // the export's file as given, quotes removed; may be empty

    friend bool operator==(const Launch&, const Launch&) = default;
};

inline constexpr char kExportUsageMessage[] = "用法：Veltrano.exe /ics 文件名（或 /ics-rscale 文件名）";

// Reads a whole command line, the program's own name first (quoted or not).
// Switches match regardless of ASCII letter case, as Windows programs do;
// anything else runs the calendar, as before.
Launch ParseCommandLine(const char* commandLine);

}  // namespace app
