#include "app/CommandLine.h"

#include "base/AsciiText.h"

#include <cstring>
#include <string_view>

namespace app {

namespace {

constexpr char kIcsSwitch[] = "/ics";
constexpr char kIcsRscaleSwitch[] = "/ics-rscale";
constexpr char kVersionSwitch[] = "/version";

// GBK trail bytes are never a space or a quote, so bytes can be read one by one.
const char* SkipBlanks(const char* p) {
    while (*p == ' ' || *p == '\t') ++p;
    return p;
}

// The end of the word at `p`: a quoted one ends after its closing quote.
const char* WordEnd(const char* p) {
    if (*p == '"') {
        const char* close = std::strchr(p + 1, '"');
        return close ? close + 1 : p + std::strlen(p);
    }
    while (*p != '\0' && *p != ' ' && *p != '\t') ++p;
    return p;
}

}  // namespace

Launch ParseCommandLine(const char* commandLine) {
    if (commandLine == nullptr) return {};
    const char* word = SkipBlanks(WordEnd(SkipBlanks(commandLine)));  // past the program's name
    const char* end = WordEnd(word);
    const std::string_view switchWord(word, static_cast<std::size_t>(end - word));
    Launch launch;
    if (base::EqualsIgnoringAsciiCase(switchWord, kVersionSwitch)) {
        launch.kind = LaunchKind::ShowVersion;
        return launch;
    }
    if (base::EqualsIgnoringAsciiCase(switchWord, kIcsSwitch))
        launch.kind = LaunchKind::ExportIcs;
    else if (base::EqualsIgnoringAsciiCase(switchWord, kIcsRscaleSwitch))
        launch.kind = LaunchKind::ExportIcsRscale;
    else
        return launch;

    std::string file = SkipBlanks(end);
    while (!file.empty() && (file.back() == ' ' || file.back() == '\t')) file.pop_back();
    if (file.size() >= 2 && file.front() == '"' && file.back() == '"') file = file.substr(1, file.size() - 2);
    launch.file = file;
    return launch;
}

}  // namespace app
