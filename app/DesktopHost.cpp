#include "app/DesktopHost.h"

#include "base/AsciiText.h"

namespace app {

bool IsDesktopHostClass(std::string_view className) {
    return base::EqualsIgnoringAsciiCase(className, "progman") || base::EqualsIgnoringAsciiCase(className, "WorkerW");
}

}  // namespace app
