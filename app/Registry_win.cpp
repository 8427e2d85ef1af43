#include "app/Registry.h"

#include "base/UniqueHandle.h"

#include <cstdio>
#include <cstring>

#include <windows.h>

namespace app {

namespace {

struct RegKeyTraits {
    using Handle = HKEY;
    static constexpr Handle Invalid() { return nullptr; }
    static LONG Close(Handle key) { return RegCloseKey(key); }
};

// One open key of HKEY_CURRENT_USER, closed when it goes.
using RegKey = base::UniqueHandle<RegKeyTraits>;

RegKey OpenKey(const char* subkey, REGSAM access) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, subkey, 0, access, &key) != ERROR_SUCCESS) return RegKey();
    return RegKey(key);
}

// Opens the key, creating it (and the keys above it) when missing.
RegKey CreateKey(const char* subkey, REGSAM access) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, subkey, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return RegKey();
    return RegKey(key);
}

int SetText(const RegKey& key, const char* valueName, const char* text) {
    const DWORD size = static_cast<DWORD>(std::strlen(text) + 1);
    const LONG result = RegSetValueExA(key.get(), valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), size);
    return result == ERROR_SUCCESS ? 0 : -1;
}

}  // namespace

int ReadRegString(const char* subkey, const char* valueName, char* buffer, std::size_t bufferSize) {
    if (bufferSize == 0) return -1;
    buffer[0] = '\0';
    const RegKey key = OpenKey(subkey, KEY_QUERY_VALUE);
    if (!key) return -1;
    // One byte is kept back for a terminator the stored data may lack.
    DWORD size = static_cast<DWORD>(bufferSize - 1);
    if (RegQueryValueExA(key.get(), valueName, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size) !=
        ERROR_SUCCESS) {
        buffer[0] = '\0';
        return -1;
    }
    buffer[size] = '\0';
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
        char path[MAX_PATH] = {};
        const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
        if (length == 0 || length >= sizeof path) return -1;  // no path, or a cut one
        // A fresh profile may not have the Run key yet.
        const RegKey key = CreateKey(kAutostartKey, KEY_SET_VALUE);
        if (!key) return -1;
        return SetText(key, valueName, AutostartCommand(path).c_str());
    }
    HKEY opened = nullptr;
    const LONG access = RegOpenKeyExA(HKEY_CURRENT_USER, kAutostartKey, 0, KEY_SET_VALUE, &opened);
    if (access == ERROR_FILE_NOT_FOUND) return 0;  // no Run key, so no value either
    if (access != ERROR_SUCCESS) return -1;        // the entry may still be there
    const RegKey key(opened);
    const LONG result = RegDeleteValueA(key.get(), valueName);
    return (result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND) ? 0 : -1;
}

AutostartCheck EnsureAutostart() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path) return AutostartCheck::Failed;

    char registered[kSettingTextSize] = {};
    // Case matters: a path differing only in letter case is written again.
    if (ReadRegString(kAutostartKey, kAutostartValue, registered, sizeof registered) == 0 &&
        AutostartCommand(path) == registered)
        return AutostartCheck::AlreadyRegistered;
    return SetAutostart(1, kAutostartValue) == 0 ? AutostartCheck::Registered : AutostartCheck::Failed;
}

int RegistrySettings::Read(const char* valueName, char* buffer, std::size_t bufferSize) const {
    return ReadRegString(kSettingsKey, valueName, buffer, bufferSize);
}

}  // namespace app
