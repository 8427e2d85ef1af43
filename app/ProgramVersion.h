// The text of the message box that `Veltrano.exe /version` shows. The
// name, version and copyright are those of the version resource.
#pragma once

#include "ProgramInfo.h"

namespace app {

inline constexpr char kVersionMessage[] =
    VELTRANO_PRODUCT_NAME " " VELTRANO_DESCRIPTION "\n版本 " VELTRANO_VERSION_TEXT "\n" VELTRANO_COPYRIGHT;

}  // namespace app
