// Settings held in memory for the settings readers' tests; a value not in
// the map cannot be read.
#pragma once

#include "app/Settings.h"

#include <cstring>
#include <map>
#include <string>

namespace settings_test {

class FakeSettings : public app::SettingsReader {
public:
    std::map<std::string, std::string> values;

    int Read(const char* valueName, char* buffer, std::size_t bufferSize) const override {
        const auto found = values.find(valueName);
        if (found == values.end() || found->second.size() + 1 > bufferSize) return -1;
        std::memcpy(buffer, found->second.c_str(), found->second.size() + 1);
        return 0;
    }
};

}  // namespace settings_test
