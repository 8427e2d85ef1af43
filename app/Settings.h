// The settings kept in the current user's registry, and how their texts
// turn into the values the windows use. Everything here is portable; the
// registry itself is reached through a SettingsReader (Registry.h on Windows).
#pragma once

#include "news/NewsEndpoint.h"

#include <cstddef>
#include <string>

namespace app {

// Under HKEY_CURRENT_USER.
inline constexpr char kSettingsKey[] = "SOFTWARE\\Quorvex\\Veltrano";
inline constexpr char kAutostartKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr char kAutostartValue[] = "Veltrano";

// Values of the settings key, all decimal text.
inline constexpr char kPosXValue[] = "PosX";
inline constexpr char kPosYValue[] = "PosY";
inline constexpr char kMemoShowValue[] = "MemoShow";
inline constexpr char kMemoXValue[] = "MemoX";
inline constexpr char kMemoYValue[] = "MemoY";
// The headline server, "host" or "host:port" (text, not a number).
inline constexpr char kNewsHostValue[] = "NewsHost";
// The stamp of the holiday update file at the last start (HolidayFileNotice.h).
inline constexpr char kHolidayFileStampValue[] = "HolidayFileStamp";
// Where yearly holiday schedules are fetched from: one address with
// "{year}" in it; empty turns fetching off (HolidayFetch.h).
inline constexpr char kHolidaySourceValue[] = "HolidaySource";
// The day each missing year's schedule was last asked for, "2027:20261209"
// pairs (HolidayFetch.h).
inline constexpr char kHolidayAskedValue[] = "HolidayAsked";

inline constexpr int kDefaultPosX = 500;
inline constexpr int kDefaultPosY = 300;

// Room for one value's text read from the registry, terminator included.
inline constexpr std::size_t kSettingTextSize = 256;

// The number a text starts with: an optional sign, then decimal digits. Text
// that does not start so gives 0; a number beyond the int range saturates at
// INT_MIN or INT_MAX.
int ParseLeadingDecimal(const char* text);

struct ScreenPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

// Reads the text of one value of the settings key.
class SettingsReader {
public:
    virtual ~SettingsReader() = default;
    // Copies the value's text, NUL-terminated, into `buffer`. 0, or -1 when
    // it cannot be read (no key, no value, too long for `bufferSize`).
    [[nodiscard]] virtual int Read(const char* valueName, char* buffer, std::size_t bufferSize) const = 0;
};

// Where the main window starts: (500, 300) unless PosX can be read; PosY is
// read only after PosX. A negative coordinate becomes 0, so the window
// never starts above or left of the screen.
ScreenPoint ReadMainWindowPos(const SettingsReader& settings);

// Where the memo pad starts: `fallback` unless MemoX can be read; MemoY is
// read only after MemoX. Negative coordinates are kept.
ScreenPoint ReadMemoPadPos(const SettingsReader& settings, ScreenPoint fallback);

// Whether the memo pad is shown: MemoShow reads as exactly 1.
bool ReadMemoShown(const SettingsReader& settings);

// The autostart value's text for the executable at `path`: the path itself,
// in quotes when it holds a blank, so that Windows does not first try to
// start "C:\Program.exe" for "C:\Program Files\...".
std::string AutostartCommand(const char* path);

// The headline server: NewsHost when it reads as "host" or "host:port",
// otherwise the built-in default.
news::NewsEndpoint ReadNewsEndpoint(const SettingsReader& settings);

}  // namespace app
