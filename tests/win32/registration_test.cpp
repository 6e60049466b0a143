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
    bool operator==(const KeyContents&) const = default;
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

class Registration : public ::testing::Test {
protected:
    void SetUp() override { plugin.UnregisterServer(); }
    void TearDown() override { plugin.UnregisterServer(); }

    PluginModule plugin;
};

TEST_F(Registration, WritesExactlyTheFiveEntriesAndUnregisterRemovesTheKeys) {
    ASSERT_EQ(plugin.RegisterServer(), S_OK);
    const std::string path = BesideThisProgram("QVB20x64.dll");
    const std::vector<std::string> server{"InprocServer32"};
    EXPECT_EQ(Read(HKEY_CLASSES_ROOT, kFilterKey), (KeyContents{true, server, {{"", "Cantivo 2.0 (QVB2.0 x64)"}}}));
    EXPECT_EQ(Read(HKEY_CLASSES_ROOT, kFilterKey + "\\InprocServer32"), (KeyContents{true, {}, {{"", path}}}));
    EXPECT_EQ(Read(HKEY_CLASSES_ROOT, kPageKey),
              (KeyContents{true, server, {{"", "Cantivo 2.0 (QVB2.0 x64) Property Page"}}}));
    EXPECT_EQ(Read(HKEY_CLASSES_ROOT, kPageKey + "\\InprocServer32"), (KeyContents{true, {}, {{"", path}}}));
    EXPECT_EQ(Read(HKEY_LOCAL_MACHINE, kHostKey), KeyContents{true});

    ASSERT_EQ(plugin.UnregisterServer(), S_OK);
    EXPECT_EQ(plugin.UnregisterServer(), S_OK);  // with nothing left to remove
    EXPECT_FALSE(Read(HKEY_CLASSES_ROOT, kFilterKey).exists);
    EXPECT_FALSE(Read(HKEY_CLASSES_ROOT, kPageKey).exists);
    EXPECT_FALSE(Read(HKEY_LOCAL_MACHINE, kHostKey).exists);
    EXPECT_TRUE(Read(HKEY_LOCAL_MACHINE, "Software\\Cakewalk Music Software\\MIDI Filters").exists);
}

}  // namespace
}  // namespace cantivo::test
