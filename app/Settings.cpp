#include "app/Settings.h"

#include "base/AsciiText.h"

#include <climits>
#include <string_view>

namespace app {

namespace {

// The value's number, or nothing when it cannot be read.
bool ReadNumber(const SettingsReader& settings, const char* valueName, int& number) {
    char text[kSettingTextSize] = {};
    if (settings.Read(valueName, text, sizeof text) != 0) return false;
    number = ParseLeadingDecimal(text);
    return true;
}

}  // namespace

int ParseLeadingDecimal(const char* text) {
    if (text == nullptr) return 0;
    std::string_view rest(text);
    const bool negative = rest.starts_with('-');
    if (negative || rest.starts_with('+')) rest.remove_prefix(1);

    // INT_MIN is one further from 0 than INT_MAX.
    const std::uintmax_t limit = negative ? std::uintmax_t{INT_MAX} + 1 : std::uintmax_t{INT_MAX};
    const auto magnitude = static_cast<long long>(base::ReadDecimalDigits(rest, limit).value);
    return static_cast<int>(negative ? -magnitude : magnitude);
}

ScreenPoint ReadMainWindowPos(const SettingsReader& settings) {
    ScreenPoint pos{kDefaultPosX, kDefaultPosY};
    if (ReadNumber(settings, kPosXValue, pos.x)) ReadNumber(settings, kPosYValue, pos.y);
    if (pos.x < 0) pos.x = 0;
    if (pos.y < 0) pos.y = 0;
    return pos;
}

ScreenPoint ReadMemoPadPos(const SettingsReader& settings, ScreenPoint fallback) {
    ScreenPoint pos = fallback;
    if (ReadNumber(settings, kMemoXValue, pos.x)) ReadNumber(settings, kMemoYValue, pos.y);
    return pos;
}

bool ReadMemoShown(const SettingsReader& settings) {
    int shown = 0;
    return ReadNumber(settings, kMemoShowValue, shown) && shown == 1;
}

news::NewsEndpoint ReadNewsEndpoint(const SettingsReader& settings) {
    char text[kSettingTextSize] = {};
    if (settings.Read(kNewsHostValue, text, sizeof text) != 0) return news::NewsEndpoint{};
    return news::ParseNewsEndpoint(text).value_or(news::NewsEndpoint{});
}

std::string AutostartCommand(const char* path) {
    const std::string text(path);
    return text.find(' ') == std::string::npos ? text : '"' + text + '"';
}

}  // namespace app
