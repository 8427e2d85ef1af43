// What the program is asked to do by its command line. Portable: the caller
// hands over the process's arguments as the C runtime split them.
#pragma once

namespace app {

enum class StartAction {
    RunCalendar,  // no arguments (the autostart entry), or none we know
    ShowVersion,  // "/version": the version message box, then end
};

struct StartRequest {
    StartAction action = StartAction::RunCalendar;
    friend bool operator==(const StartRequest&, const StartRequest&) = default;
};

// `argv[0]` is the program itself and is skipped. Switches start with '/' or
// '-' and are matched regardless of ASCII letter case, as Windows programs
// do. Unknown arguments are ignored, so a stray one still starts the
// calendar.
StartRequest ParseCommandLine(int argc, const char* const* argv);

}  // namespace app
