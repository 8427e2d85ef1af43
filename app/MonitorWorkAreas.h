// The work areas of the monitors attached now, in screen coordinates.
#pragma once

#include "app/WindowPlacement.h"

#include <vector>

namespace app {

std::vector<ScreenRect> MonitorWorkAreas();

}  // namespace app
