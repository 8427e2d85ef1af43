// The autostart entry in the real registry (under Wine here): renewed at
// every start with the running executable's path, removed by the uninstall.
#include "app/Registry.h"

#include "registry_test_support.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

namespace {

using app::AutostartCheck;
using app::kAutostartKey;
using app::kAutostartValue;
using app::kSettingsKey;

const char kNeighbour[] = "VeltranoTestNeighbour";

std::string RunningPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    return path;
}

std::string Registered() {
    const app_test::RawValue raw = app_test::ReadRaw(kAutostartKey, kAutostartValue);
    return raw.exists ? app_test::TextOf(raw) : std::string("(none)");
}

// Leaves the Run key and the settings as it found them.
class Autostart : public ::testing::Test {
protected:
    app_test::KeyRestorer quorvex_{"SOFTWARE\\Quorvex"};
    app_test::KeyRestorer settingsKey_{kSettingsKey};
    app_test::KeyRestorer runKey_{kAutostartKey};
    app_test::ValueRestorer entry_{kAutostartKey, kAutostartValue};
    app_test::ValueRestorer neighbour_{kAutostartKey, kNeighbour};
    app_test::ValueRestorer posX_{kSettingsKey, "PosX"};
    app_test::ValueRestorer posY_{kSettingsKey, "PosY"};
    app_test::ValueRestorer memoShow_{kSettingsKey, "MemoShow"};
    app_test::ValueRestorer memoX_{kSettingsKey, "MemoX"};
    app_test::ValueRestorer memoY_{kSettingsKey, "MemoY"};
};

TEST_F(Autostart, FirstStartWritesTheEntryAndTheNextFindsIt) {
    app_test::DeleteValue(kAutostartKey, kAutostartValue);

    EXPECT_EQ(app::EnsureAutostart(), AutostartCheck::Registered);
    const app_test::RawValue raw = app_test::ReadRaw(kAutostartKey, kAutostartValue);
    ASSERT_TRUE(raw.exists);
    EXPECT_EQ(raw.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(app_test::TextOf(raw), RunningPath());
    EXPECT_EQ(raw.data.back(), '\0');

    EXPECT_EQ(app::EnsureAutostart(), AutostartCheck::AlreadyRegistered);
    EXPECT_EQ(Registered(), RunningPath());
}

TEST_F(Autostart, AFreshProfileWithoutARunKeyGetsOne) {
    std::vector<std::string> names;
    bool hasSubkeys = false;
    if (app_test::ListValues(kAutostartKey, names, hasSubkeys)) {
        for (const std::string& name : names)
            if (name != kAutostartValue) GTEST_SKIP() << "the Run key holds other programs' entries";
        if (hasSubkeys) GTEST_SKIP() << "the Run key has subkeys";
        app_test::DeleteValue(kAutostartKey, kAutostartValue);
        ASSERT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, kAutostartKey), ERROR_SUCCESS);
    }
    ASSERT_FALSE(app_test::KeyExists(kAutostartKey));

    EXPECT_EQ(app::EnsureAutostart(), AutostartCheck::Registered);
    EXPECT_EQ(Registered(), RunningPath());
}

TEST_F(Autostart, AnyOtherStoredPathIsRewrittenWithTheRunningOne) {
    const std::string running = RunningPath();
    std::string upper = running, lower = running;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    ASSERT_TRUE(upper != running || lower != running) << "the path has no letters to change";

    const std::string stored[] = {
        upper != running ? upper : lower,          // differs only in letter case
        "C:\\Program Files\\elsewhere\\日历.exe",  // a copy started from another folder
        running + " ",                             // one byte more
        running.substr(0, running.size() - 1),     // one byte less
        "",
    };
    for (const std::string& old : stored) {
        SCOPED_TRACE(old);
        ASSERT_EQ(app::WriteRegString(kAutostartKey, kAutostartValue, old.c_str()), 0);
        EXPECT_EQ(app::EnsureAutostart(), AutostartCheck::Registered);
        EXPECT_EQ(Registered(), running);
    }
}

TEST_F(Autostart, UninstallDeletesOnlyTheAutostartValue) {
    for (const char* name : {"PosX", "PosY", "MemoShow", "MemoX", "MemoY"})
        ASSERT_EQ(app::WriteRegString(kSettingsKey, name, "7"), 0);
    ASSERT_EQ(app::WriteRegString(kAutostartKey, kNeighbour, "C:\\other.exe"), 0);
    ASSERT_NE(app::EnsureAutostart(), AutostartCheck::Failed);

    EXPECT_EQ(app::SetAutostart(0, kAutostartValue), 0);
    EXPECT_FALSE(app_test::ReadRaw(kAutostartKey, kAutostartValue).exists);
    EXPECT_EQ(app_test::TextOf(app_test::ReadRaw(kAutostartKey, kNeighbour)), "C:\\other.exe");
    for (const char* name : {"PosX", "PosY", "MemoShow", "MemoX", "MemoY"})
        EXPECT_EQ(app_test::TextOf(app_test::ReadRaw(kSettingsKey, name)), "7") << name;

    // Uninstalling twice is no failure; the next start registers again.
    EXPECT_EQ(app::SetAutostart(0, kAutostartValue), 0);
    EXPECT_EQ(app::EnsureAutostart(), AutostartCheck::Registered);
    EXPECT_EQ(Registered(), RunningPath());
}

TEST_F(Autostart, OnlyAFlagOfExactlyOneTurnsItOn) {
    for (int flag : {0, 2, -1}) {
        ASSERT_EQ(app::SetAutostart(1, kAutostartValue), 0);
        EXPECT_EQ(Registered(), RunningPath());
        EXPECT_EQ(app::SetAutostart(flag, kAutostartValue), 0);
        EXPECT_FALSE(app_test::ReadRaw(kAutostartKey, kAutostartValue).exists) << "flag " << flag;
    }
}

// A Run key this user may read but not change: the entry stays, and so the
// removal is a failure, not "already gone".
TEST_F(Autostart, ARunKeyThatMayNotBeWrittenIsNoRemoval) {
    ASSERT_EQ(app::SetAutostart(1, kAutostartValue), 0);
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kAutostartKey, 0, READ_CONTROL | WRITE_DAC, &key), ERROR_SUCCESS);
    std::vector<BYTE> saved(4096);
    DWORD savedSize = static_cast<DWORD>(saved.size());
    ASSERT_EQ(RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, saved.data(), &savedSize), ERROR_SUCCESS);

    // Everyone may read the key and change its permissions, nothing more.
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID everyone = nullptr;
    ASSERT_TRUE(AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone));
    alignas(DWORD) BYTE aclBytes[256];
    auto* acl = reinterpret_cast<PACL>(aclBytes);
    SECURITY_DESCRIPTOR readOnly;
    ASSERT_TRUE(InitializeAcl(acl, sizeof aclBytes, ACL_REVISION) &&
                AddAccessAllowedAce(acl, ACL_REVISION, KEY_READ | WRITE_DAC, everyone) &&
                InitializeSecurityDescriptor(&readOnly, SECURITY_DESCRIPTOR_REVISION) &&
                SetSecurityDescriptorDacl(&readOnly, TRUE, acl, FALSE));
    ASSERT_EQ(RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &readOnly), ERROR_SUCCESS);

    HKEY probe = nullptr;
    const LONG writable = RegOpenKeyExA(HKEY_CURRENT_USER, kAutostartKey, 0, KEY_SET_VALUE, &probe);
    if (writable == ERROR_SUCCESS) RegCloseKey(probe);
    const int removed = app::SetAutostart(0, kAutostartValue);
    const std::string left = Registered();
    RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, saved.data());
    RegCloseKey(key);
    FreeSid(everyone);

    ASSERT_EQ(writable, ERROR_ACCESS_DENIED) << "the system let the key be written anyway";
    EXPECT_EQ(removed, -1);
    EXPECT_EQ(left, RunningPath());
}

}  // namespace
