#include "app/Settings.h"

#include <climits>

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
    const bool negative = *text == '-';
    if (*text == '-' || *text == '+') ++text;

    // Built on the side of the sign, so INT_MIN itself is reachable.
    int value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        const int digit = *text - '0';
        if (negative) {
            if (value < (INT_MIN + digit) / 10) return INT_MIN;
            value = value * 10 - digit;
        } else {
            if (value > (INT_MAX - digit) / 10) return INT_MAX;
            value = value * 10 + digit;
        }
    }
    return value;
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

}  // namespace app
