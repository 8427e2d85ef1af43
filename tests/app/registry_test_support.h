// Helpers for tests against the real registry of the current user: look at
// values directly, and put keys and values back as they were.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace app_test {

inline bool KeyExists(const char* subkey) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, subkey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

// A value's type and raw bytes, if it exists.
struct RawValue {
    bool exists = false;
    DWORD type = 0;
    std::vector<BYTE> data;
};

inline RawValue ReadRaw(const char* subkey, const char* name) {
    RawValue value;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, subkey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return value;
    DWORD size = 0;
    if (RegQueryValueExA(key, name, nullptr, &value.type, nullptr, &size) == ERROR_SUCCESS) {
        value.data.resize(size);
        if (RegQueryValueExA(key, name, nullptr, &value.type, value.data.data(), &size) == ERROR_SUCCESS) {
            value.exists = true;
            value.data.resize(size);
        }
    }
    RegCloseKey(key);
    return value;
}

inline bool WriteRaw(const char* subkey, const char* name, DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, subkey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    const bool ok = RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
}

inline void DeleteValue(const char* subkey, const char* name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, subkey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
    RegDeleteValueA(key, name);
    RegCloseKey(key);
}

// A REG_SZ value's text without its terminator; empty when absent.
inline std::string TextOf(const RawValue& value) {
    std::string text(value.data.begin(), value.data.end());
    while (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
}

// The names of the key's values, and whether it has subkeys.
inline bool ListValues(const char* subkey, std::vector<std::string>& names, bool& hasSubkeys) {
    names.clear();
    hasSubkeys = false;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, subkey, 0, KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS, &key) != ERROR_SUCCESS)
        return false;
    DWORD subkeys = 0;
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                     nullptr);
    hasSubkeys = subkeys > 0;
    for (DWORD i = 0;; ++i) {
        char name[256];
        DWORD size = sizeof name;
        if (RegEnumValueA(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.emplace_back(name, size);
    }
    RegCloseKey(key);
    return true;
}

// Puts the key back on destruction: made again if it existed on
// construction, deleted if it did not.
class KeyRestorer {
public:
    explicit KeyRestorer(std::string subkey) : subkey_(std::move(subkey)), existed_(KeyExists(subkey_.c_str())) {}
    ~KeyRestorer() {
        if (existed_) {
            HKEY key = nullptr;
            if (RegCreateKeyExA(HKEY_CURRENT_USER, subkey_.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                KEY_QUERY_VALUE, nullptr, &key, nullptr) == ERROR_SUCCESS)
                RegCloseKey(key);
        } else {
            RegDeleteKeyA(HKEY_CURRENT_USER, subkey_.c_str());  // fails, harmlessly, if something else lives there
        }
    }
    KeyRestorer(const KeyRestorer&) = delete;
    KeyRestorer& operator=(const KeyRestorer&) = delete;

    bool existed() const { return existed_; }

private:
    std::string subkey_;
    bool existed_;
};

// Puts one value back as it was on construction, or deletes it.
class ValueRestorer {
public:
    ValueRestorer(std::string subkey, std::string name)
        : subkey_(std::move(subkey)), name_(std::move(name)), saved_(ReadRaw(subkey_.c_str(), name_.c_str())) {}
    ~ValueRestorer() {
        if (saved_.exists)
            WriteRaw(subkey_.c_str(), name_.c_str(), saved_.type, saved_.data.data(),
                     static_cast<DWORD>(saved_.data.size()));
        else
            DeleteValue(subkey_.c_str(), name_.c_str());
    }
    ValueRestorer(const ValueRestorer&) = delete;
    ValueRestorer& operator=(const ValueRestorer&) = delete;

private:
    std::string subkey_;
    std::string name_;
    RawValue saved_;
};

}  // namespace app_test
