// The current user's registry (Windows only): settings values and the
// autostart entry. Names and texts are narrow GB18030 here and wide in the
// registry, so other programs read every character; every call returns 0
// or -1.
#pragma once

#include "app/Settings.h"

#include <cstddef>

namespace app {

// Reads a value of HKEY_CURRENT_USER\subkey as text into `buffer`, always
// NUL-terminated. Fails when the key or value is missing or the value does
// not fit in bufferSize - 1 bytes. A text value (REG_SZ, REG_EXPAND_SZ,
// REG_MULTI_SZ) is its characters, any other type its bytes as they are.
[[nodiscard]] int ReadRegString(const char* subkey, const char* valueName, char* buffer, std::size_t bufferSize);

// Writes `text` as a REG_SZ value of HKEY_CURRENT_USER\subkey, creating the
// key when it does not exist.
[[nodiscard]] int WriteRegString(const char* subkey, const char* valueName, const char* text);

// Writes `number` as decimal text into a value of the settings key.
[[nodiscard]] int WriteSettingNumber(const char* valueName, int number);

// Keeps a window's screen position (signed: left of or above the primary
// monitor is negative) in two values of the settings key. A position that
// cannot be written is only not remembered.
void RememberPosition(ScreenPoint position, const char* xValue, const char* yValue);

// on == 1: the autostart value `valueName` becomes this executable's full
// path (the Run key is created if missing). Any other flag deletes the value
// and nothing else; a value (or Run key) already gone counts as deleted,
// while a key that cannot be opened for writing is a failure.
[[nodiscard]] int SetAutostart(int on, const char* valueName);

enum class AutostartCheck {
    AlreadyRegistered,  // the entry named this executable, byte for byte
    Registered,         // the entry was missing or named another path; rewritten
    Failed,             // it could not be written
};

// The start-up check: makes the autostart entry name the running executable.
[[nodiscard]] AutostartCheck EnsureAutostart();

// Settings read straight from the settings key.
class RegistrySettings : public SettingsReader {
public:
    [[nodiscard]] int Read(const char* valueName, char* buffer, std::size_t bufferSize) const override;
};

}  // namespace app
