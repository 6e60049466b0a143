#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/win32/plugin_module.h"

namespace cantivo::test {
namespace {

const std::string kFilterKey = "CLSID\\{6F1C0A52-3B7E-4C1D-9A20-5E1B7C40D201}";
const std::string kPageKey = "CLSID\\{6F1C0A52-3B7E-4C1D-9A20-5E1B7C40D202}";
const std::string kHostKey = "Software\\Cakewalk Music Software\\MIDI Filters\\{6F1C0A52-3B7E-4C1D-9A20-5E1B7C40D201}";

struct KeyContents {
    bool exists = false;
    std::vector<std::string> subkeys;
    std::vector<std::pair<std::string, std::string>> values;  // name ("" for the default), text
};

KeyContents Read(HKEY root, const std::string& path) {
    KeyContents contents;
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return contents;
    contents.exists = true;
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof name;
        if (RegEnumKeyExA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        contents.subkeys.emplace_back(name, length);
    }
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof name;
        BYTE data[1024];
        DWORD size = sizeof data;
        DWORD type = 0;
        if (RegEnumValueA(key, i, name, &length, nullptr, &type, data, &size) != ERROR_SUCCESS) break;
        EXPECT_EQ(type, static_cast<DWORD>(REG_SZ)) << name;
        contents.values.emplace_back(std::string(name, length), std::string(reinterpret_cast<char*>(data)));
    }
    RegCloseKey(key);
    return contents;
}

using Values = std::vector<std::pair<std::string, std::string>>;

class Registration : public ::testing::Test {
protected:
    void SetUp() override { Unregister(); }
    void TearDown() override { Unregister(); }
    static DWORD Register() { return RunAndWait("regsvr32 /s \"" + BesideThisProgram("QVB20x64.dll") + "\""); }
    static DWORD Unregister() { return RunAndWait("regsvr32 /s /u \"" + BesideThisProgram("QVB20x64.dll") + "\""); }
};

TEST_F(Registration, WritesExactlyTheFiveEntriesAndUnregisterRemovesTheKeysWithEverythingBelow) {
    ASSERT_EQ(Register(), 0u);
    const std::string path = BesideThisProgram("QVB20x64.dll");
    const KeyContents filter = Read(HKEY_CLASSES_ROOT, kFilterKey);
    EXPECT_EQ(filter.values, (Values{{"", "Cantivo 2.0 (QVB2.0 x64)"}}));
    EXPECT_EQ(filter.subkeys, std::vector<std::string>{"InprocServer32"});
    const KeyContents filterServer = Read(HKEY_CLASSES_ROOT, kFilterKey + "\\InprocServer32");
    EXPECT_EQ(filterServer.values, (Values{{"", path}}));
    EXPECT_TRUE(filterServer.subkeys.empty());
    const KeyContents page = Read(HKEY_CLASSES_ROOT, kPageKey);
    EXPECT_EQ(page.values, (Values{{"", "Cantivo 2.0 (QVB2.0 x64) Property Page"}}));
    EXPECT_EQ(Read(HKEY_CLASSES_ROOT, kPageKey + "\\InprocServer32").values, (Values{{"", path}}));
    const KeyContents host = Read(HKEY_LOCAL_MACHINE, kHostKey);
    EXPECT_TRUE(host.exists);
    EXPECT_TRUE(host.values.empty());
    EXPECT_TRUE(host.subkeys.empty());

    HKEY added = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, (kFilterKey + "\\Added\\Deeper").c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &added, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(added);
    ASSERT_EQ(Unregister(), 0u);
    EXPECT_EQ(Unregister(), 0u);  // with nothing left to remove
    EXPECT_FALSE(Read(HKEY_CLASSES_ROOT, kFilterKey).exists);
    EXPECT_FALSE(Read(HKEY_CLASSES_ROOT, kPageKey).exists);
    EXPECT_FALSE(Read(HKEY_LOCAL_MACHINE, kHostKey).exists);
    EXPECT_TRUE(Read(HKEY_LOCAL_MACHINE, "Software\\Cakewalk Music Software\\MIDI Filters").exists);
}

}  // namespace
}  // namespace cantivo::test
