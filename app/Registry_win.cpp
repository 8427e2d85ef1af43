#include "app/Registry.h"

#include "base/UniqueHandle.h"
#include "base/WideText_win.h"

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include <windows.h>

namespace app {

namespace {

using base::Gb18030ToWide;

// The longest path the wide calls take, in UTF-16 units.
constexpr std::size_t kLongestPath = 32768;

struct RegKeyTraits {
    using Handle = HKEY;
    static constexpr Handle Invalid() { return nullptr; }
    static LONG Close(Handle key) { return RegCloseKey(key); }
};

// One open key of HKEY_CURRENT_USER, closed when it goes.
using RegKey = base::UniqueHandle<RegKeyTraits>;

RegKey OpenKey(const char* subkey, REGSAM access) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, Gb18030ToWide(subkey).c_str(), 0, access, &key) != ERROR_SUCCESS)
        return RegKey();
    return RegKey(key);
}

// Opens the key, creating it (and the keys above it) when missing.
RegKey CreateKey(const char* subkey, REGSAM access) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, Gb18030ToWide(subkey).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return RegKey();
    return RegKey(key);
}

int SetText(const RegKey& key, const char* valueName, const char* text) {
    const std::wstring wide = Gb18030ToWide(text);
    const DWORD size = static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t));
    const LONG result = RegSetValueExW(key.get(), Gb18030ToWide(valueName).c_str(), 0, REG_SZ,
                                       reinterpret_cast<const BYTE*>(wide.c_str()), size);
    return result == ERROR_SUCCESS ? 0 : -1;
}

bool IsText(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ; }

// A value's data as narrow text of at most `maxBytes` bytes: a text value's
// characters with a stored terminator kept as one NUL byte, any other type's
// bytes as they are, which is what the narrow calls gave.
std::optional<std::string> ReadValue(const char* subkey, const char* valueName, std::size_t maxBytes) {
    const RegKey key = OpenKey(subkey, KEY_QUERY_VALUE);
    if (!key) return std::nullopt;
    const std::wstring name = Gb18030ToWide(valueName);
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (RegQueryValueExW(key.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
    // Every character takes a byte at least, so a longer text cannot fit.
    if (size > (IsText(type) ? maxBytes * sizeof(wchar_t) : maxBytes)) return std::nullopt;
    std::wstring data(size / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(key.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
        ERROR_SUCCESS)
        return std::nullopt;  // it grew in between, or went
    std::string text = IsText(type) ? base::WideToGb18030(std::wstring_view(data.data(), size / sizeof(wchar_t)))
                                    : std::string(reinterpret_cast<const char*>(data.data()), size);
    if (text.size() > maxBytes) return std::nullopt;
    return text;
}

// This executable's full path; none when the system gives none.
std::optional<std::string> ModulePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return std::nullopt;
        if (length < path.size()) return base::WideToGb18030(std::wstring_view(path.data(), length));
        if (path.size() >= kLongestPath) return std::nullopt;  // cut even at the longest a path can be
        path.resize(path.size() * 2);
    }
}

}  // namespace

int ReadRegString(const char* subkey, const char* valueName, char* buffer, std::size_t bufferSize) {
    if (bufferSize == 0) return -1;
    buffer[0] = '\0';
    // One byte is kept back for a terminator the stored data may lack.
    const std::optional<std::string> text = ReadValue(subkey, valueName, bufferSize - 1);
    if (!text) return -1;
    text->copy(buffer, text->size());
    buffer[text->size()] = '\0';
    return 0;
}

int WriteRegString(const char* subkey, const char* valueName, const char* text) {
    const RegKey key = CreateKey(subkey, KEY_SET_VALUE);
    if (!key) return -1;
    return SetText(key, valueName, text);
}

int WriteSettingNumber(const char* valueName, int number) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", number);
    return WriteRegString(kSettingsKey, valueName, text);
}

void RememberPosition(ScreenPoint position, const char* xValue, const char* yValue) {
    static_cast<void>(WriteSettingNumber(xValue, position.x));
    static_cast<void>(WriteSettingNumber(yValue, position.y));
}

int SetAutostart(int on, const char* valueName) {
    if (on == 1) {
        const std::optional<std::string> path = ModulePath();
        if (!path) return -1;
        // A fresh profile may not have the Run key yet.
        const RegKey key = CreateKey(kAutostartKey, KEY_SET_VALUE);
        if (!key) return -1;
        return SetText(key, valueName, AutostartCommand(path->c_str()).c_str());
    }
    HKEY opened = nullptr;
    const LONG access =
        RegOpenKeyExW(HKEY_CURRENT_USER, Gb18030ToWide(kAutostartKey).c_str(), 0, KEY_SET_VALUE, &opened);
    if (access == ERROR_FILE_NOT_FOUND) return 0;  // no Run key, so no value either
    if (access != ERROR_SUCCESS) return -1;        // the entry may still be there
    const RegKey key(opened);
    const LONG result = RegDeleteValueW(key.get(), Gb18030ToWide(valueName).c_str());
    return (result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND) ? 0 : -1;
}

AutostartCheck EnsureAutostart() {
    const std::optional<std::string> path = ModulePath();
    if (!path) return AutostartCheck::Failed;

    const std::string command = AutostartCommand(path->c_str());
    // Read up to the command and a terminator, however long: a long path is not written again at every start.
    const std::optional<std::string> registered = ReadValue(kAutostartKey, kAutostartValue, command.size() + 1);
    // Case matters: a path differing only in letter case is written again.
    if (registered && registered->c_str() == command) return AutostartCheck::AlreadyRegistered;
    return SetAutostart(1, kAutostartValue) == 0 ? AutostartCheck::Registered : AutostartCheck::Failed;
}

int RegistrySettings::Read(const char* valueName, char* buffer, std::size_t bufferSize) const {
    return ReadRegString(kSettingsKey, valueName, buffer, bufferSize);
}

}  // namespace app
