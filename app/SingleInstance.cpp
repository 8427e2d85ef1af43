#include "app/SingleInstance.h"

namespace app {

namespace {

// The system's error codes, as numbers: this file builds without <windows.h>.
constexpr unsigned long kErrorAccessDenied = 5;
constexpr unsigned long kErrorAlreadyExists = 183;

}  // namespace

InstanceStart JudgeInstanceMarker(bool handleMade, unsigned long lastError) {
    if (handleMade) return lastError == kErrorAlreadyExists ? InstanceStart::Duplicate : InstanceStart::First;
    return lastError == kErrorAccessDenied ? InstanceStart::Duplicate : InstanceStart::First;
}

}  // namespace app
