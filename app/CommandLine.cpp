#include "app/CommandLine.h"

#include "base/AsciiText.h"

#include <string_view>

namespace app {

namespace {

// The switch's name without its leading '/' or '-'; empty for other text.
std::string_view SwitchName(std::string_view argument) {
    if (argument.size() < 2 || (argument[0] != '/' && argument[0] != '-')) return {};
    return argument.substr(1);
}

}  // namespace

StartRequest ParseCommandLine(int argc, const char* const* argv) {
    StartRequest request;
    for (int i = 1; i < argc; ++i) {
        if (base::EqualsIgnoringAsciiCase(SwitchName(argv[i]), "version")) request.action = StartAction::ShowVersion;
    }
    return request;
}

}  // namespace app
