// Whether this copy of the program may run: the named event that marks a
// running copy, and what its creation tells.
#pragma once

namespace app {

// Marks a running copy for the current logon (no global-namespace prefix).
inline constexpr char kInstanceMarkerName[] = "Veltrano_zantor";

enum class InstanceStart {
    First,      // no other copy is known: run
    Duplicate,  // another copy holds the marker: say so and end
};

// Judges the creation of the marker from whether a handle came back and the
// system's last error. A marker that exists but cannot be opened (another
// copy made it with other rights) is a running copy too, so two copies never
// write the same note files; any other failure lets the program run.
InstanceStart JudgeInstanceMarker(bool handleMade, unsigned long lastError);

}  // namespace app
