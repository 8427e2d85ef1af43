// Settings in the real registry of the current user (under Wine here): the
// read and write operations, and what the windows start with.
#include "app/Registry.h"

#include "registry_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <string>
#include <vector>

namespace {

using app::kSettingsKey;
using app::ScreenPoint;

const char* const kSettingNames[] = {"PosX", "PosY", "MemoShow", "MemoX", "MemoY", "NewsHost"};
const char kQuorvexKey[] = "SOFTWARE\\Quorvex";
const char kScratchKey[] = "SOFTWARE\\Quorvex\\VeltranoScratch\\Nested";
const char kScratchParent[] = "SOFTWARE\\Quorvex\\VeltranoScratch";

// Leaves the settings key as it found it.
class SettingsRegistry : public ::testing::Test {
protected:
    SettingsRegistry() {
        for (const char* name : kSettingNames)
            values_.push_back(std::make_unique<app_test::ValueRestorer>(kSettingsKey, name));
    }
    ~SettingsRegistry() override {
        values_.clear();
        RegDeleteKeyA(HKEY_CURRENT_USER, kScratchKey);
        RegDeleteKeyA(HKEY_CURRENT_USER, kScratchParent);
    }

    // Removes the whole settings key, if it holds nothing but our values.
    bool DeleteSettingsKey() {
        std::vector<std::string> names;
        bool hasSubkeys = false;
        if (!app_test::ListValues(kSettingsKey, names, hasSubkeys)) return true;
        if (hasSubkeys) return false;
        for (const std::string& name : names)
            if (std::find(std::begin(kSettingNames), std::end(kSettingNames), name) == std::end(kSettingNames))
                return false;
        return RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsKey) == ERROR_SUCCESS;
    }

    void Store(const char* name, const char* text) { ASSERT_EQ(app::WriteRegString(kSettingsKey, name, text), 0); }

    app_test::KeyRestorer quorvex_{kQuorvexKey};
    app_test::KeyRestorer settingsKey_{kSettingsKey};
    std::vector<std::unique_ptr<app_test::ValueRestorer>> values_;
};

TEST_F(SettingsRegistry, WriteCreatesTheKeyAndReadGivesTheTextBack) {
    ASSERT_FALSE(app_test::KeyExists(kScratchParent));
    ASSERT_EQ(app::WriteRegString(kScratchKey, "Text", "卸载 -20"), 0);
    EXPECT_TRUE(app_test::KeyExists(kScratchKey));

    const app_test::RawValue raw = app_test::ReadRaw(kScratchKey, "Text");
    EXPECT_EQ(raw.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(app_test::TextOf(raw), "卸载 -20");

    char buffer[app::kSettingTextSize];
    ASSERT_EQ(app::ReadRegString(kScratchKey, "Text", buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "卸载 -20");

    ASSERT_EQ(app::WriteRegString(kScratchKey, "Text", "1"), 0);  // overwritten, not appended
    ASSERT_EQ(app::ReadRegString(kScratchKey, "Text", buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "1");
}

TEST_F(SettingsRegistry, ReadFailsForMissingKeysValuesAndTextsTooLong) {
    char buffer[app::kSettingTextSize];
    buffer[0] = 'z';
    EXPECT_EQ(app::ReadRegString(kScratchKey, "Text", buffer, sizeof buffer), -1);
    EXPECT_STREQ(buffer, "");

    ASSERT_EQ(app::WriteRegString(kScratchKey, "Other", "x"), 0);
    EXPECT_EQ(app::ReadRegString(kScratchKey, "Text", buffer, sizeof buffer), -1);
    EXPECT_STREQ(buffer, "");

    // 254 characters and the terminator fill 255 bytes: the longest readable.
    const std::string longest(254, 'a');
    ASSERT_EQ(app::WriteRegString(kScratchKey, "Long", longest.c_str()), 0);
    ASSERT_EQ(app::ReadRegString(kScratchKey, "Long", buffer, sizeof buffer), 0);
    EXPECT_EQ(std::string(buffer), longest);

    const std::string tooLong(255, 'b');
    ASSERT_EQ(app::WriteRegString(kScratchKey, "Long", tooLong.c_str()), 0);
    EXPECT_EQ(app::ReadRegString(kScratchKey, "Long", buffer, sizeof buffer), -1);
}

TEST_F(SettingsRegistry, ReadEndsTheTextAtTheStoredBytesWhateverTheType) {
    const char bytes[] = {'4', '2'};  // stored without a terminator
    ASSERT_TRUE(app_test::WriteRaw(kScratchKey, "Bare", REG_BINARY, bytes, sizeof bytes));
    char buffer[app::kSettingTextSize];
    std::fill(std::begin(buffer), std::end(buffer), 'x');
    ASSERT_EQ(app::ReadRegString(kScratchKey, "Bare", buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "42");
}

TEST_F(SettingsRegistry, NoKeyGivesTheDefaultsAndTheFirstWriteCreatesIt) {
    if (!DeleteSettingsKey()) GTEST_SKIP() << "the settings key holds more than this program's values";
    ASSERT_FALSE(app_test::KeyExists(kSettingsKey));

    const app::RegistrySettings settings;
    EXPECT_EQ(app::ReadMainWindowPos(settings), (ScreenPoint{500, 300}));
    EXPECT_FALSE(app::ReadMemoShown(settings));
    EXPECT_EQ(app::ReadMemoPadPos(settings, ScreenPoint{12, 34}), (ScreenPoint{12, 34}));

    ASSERT_EQ(app::WriteSettingNumber("MemoShow", 0), 0);
    EXPECT_TRUE(app_test::KeyExists(kSettingsKey));
    EXPECT_EQ(app_test::TextOf(app_test::ReadRaw(kSettingsKey, "MemoShow")), "0");
}

TEST_F(SettingsRegistry, StoredPositionTextsAsTheWindowsReadThem) {
    struct Case {
        const char* posX;
        ScreenPoint mainWindow;  // PosY stored as 80
        ScreenPoint memoPad;     // MemoX = the same text, MemoY 80
    };
    const Case cases[] = {
        {"-20", {0, 80}, {-20, 80}},
        {"abc", {0, 80}, {0, 80}},
        {"99999999999", {INT_MAX, 80}, {INT_MAX, 80}},
        {"-99999999999", {0, 80}, {INT_MIN, 80}},
        {"640", {640, 80}, {640, 80}},
    };
    const app::RegistrySettings settings;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.posX);
        Store("PosX", c.posX);
        Store("PosY", "80");
        Store("MemoX", c.posX);
        Store("MemoY", "80");
        EXPECT_EQ(app::ReadMainWindowPos(settings), c.mainWindow);
        EXPECT_EQ(app::ReadMemoPadPos(settings, ScreenPoint{1, 2}), c.memoPad);
    }

    // PosY alone is not consulted, MemoY alone neither.
    app_test::DeleteValue(kSettingsKey, "PosX");
    app_test::DeleteValue(kSettingsKey, "MemoX");
    EXPECT_EQ(app::ReadMainWindowPos(settings), (ScreenPoint{500, 300}));
    EXPECT_EQ(app::ReadMemoPadPos(settings, ScreenPoint{1, 2}), (ScreenPoint{1, 2}));
}

TEST_F(SettingsRegistry, MemoShowTextsAsTheMainWindowReadsThem) {
    struct Case {
        const char* text;
        bool shown;
    };
    const Case cases[] = {{"1", true}, {"01", true}, {"1 ", true}, {"", false}, {"2", false}, {"0", false}};
    const app::RegistrySettings settings;
    for (const Case& c : cases) {
        Store("MemoShow", c.text);
        EXPECT_EQ(app::ReadMemoShown(settings), c.shown) << '"' << c.text << '"';
    }
    app_test::DeleteValue(kSettingsKey, "MemoShow");
    EXPECT_FALSE(app::ReadMemoShown(settings));
}

TEST_F(SettingsRegistry, NumbersAreWrittenAsDecimalText) {
    ASSERT_EQ(app::WriteSettingNumber("MemoX", -20), 0);
    ASSERT_EQ(app::WriteSettingNumber("MemoY", INT_MIN), 0);
    EXPECT_EQ(app_test::TextOf(app_test::ReadRaw(kSettingsKey, "MemoX")), "-20");
    EXPECT_EQ(app_test::TextOf(app_test::ReadRaw(kSettingsKey, "MemoY")), "-2147483648");
    EXPECT_EQ(app::ReadMemoPadPos(app::RegistrySettings(), ScreenPoint{}), (ScreenPoint{-20, INT_MIN}));
}

TEST_F(SettingsRegistry, NewsHostNamesTheHeadlineServer) {
    const app::RegistrySettings settings;
    app_test::DeleteValue(kSettingsKey, "NewsHost");
    EXPECT_EQ(app::ReadNewsEndpoint(settings).host, news::kDefaultNewsHost);
    Store("NewsHost", "127.0.0.1:8080");
    const news::NewsEndpoint endpoint = app::ReadNewsEndpoint(settings);
    EXPECT_EQ(endpoint.host, "127.0.0.1");
    EXPECT_EQ(endpoint.port, 8080);
}

// A value as other programs read it, through the wide calls.
std::wstring WideValue(const char* subkey, const wchar_t* name) {
    wchar_t data[64] = {};
    DWORD size = sizeof data - sizeof(wchar_t);
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, subkey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return L"(no key)";
    const LONG result = RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS ? std::wstring(data, size / sizeof(wchar_t)) : L"(none)";
}

TEST_F(SettingsRegistry, EveryCharacterOfNamesAndTextsIsKept) {
    struct Case {
        const char* name;
        const wchar_t* wideName;
        const char* text;
        std::wstring wide;  // with the terminator stored
    };
    using namespace std::string_literals;
    const Case cases[] = {
        {"Text", L"Text", "卸载 -20", L"\u5378\u8F7D -20\0"s},
        {"Text", L"Text", "\x94\x39\xBC\x38生日", L"\xD83C\xDF82\u751F\u65E5\0"s},  // U+1F382
        {"\x95\x34\xB2\x35", L"\xD842\xDFB7", "\xFE\x9F", L"\u4DAE\0"s},            // U+20BB7; U+4DAE
        {"Text", L"Text", "", L"\0"s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ASSERT_EQ(app::WriteRegString(kScratchKey, c.name, c.text), 0);
        EXPECT_EQ(WideValue(kScratchKey, c.wideName), c.wide);
        char buffer[app::kSettingTextSize];
        ASSERT_EQ(app::ReadRegString(kScratchKey, c.name, buffer, sizeof buffer), 0);
        EXPECT_STREQ(buffer, c.text);
    }

    // The limit is in bytes of the narrow text: 63 cakes and their terminator fill 253.
    std::string cakes;
    for (int i = 0; i < 63; ++i) cakes += "\x94\x39\xBC\x38";
    ASSERT_EQ(app::WriteRegString(kScratchKey, "Long", cakes.c_str()), 0);
    char buffer[app::kSettingTextSize];
    ASSERT_EQ(app::ReadRegString(kScratchKey, "Long", buffer, sizeof buffer), 0);
    EXPECT_EQ(std::string(buffer), cakes);
    ASSERT_EQ(app::WriteRegString(kScratchKey, "Long", (cakes + "abc").c_str()), 0);  // 256 bytes
    EXPECT_EQ(app::ReadRegString(kScratchKey, "Long", buffer, sizeof buffer), -1);
}

}  // namespace
