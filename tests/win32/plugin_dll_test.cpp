#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

std::string BesideThisProgram(const char* name) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1) + name;
}

TEST(PluginDll, LoadsAndUnloads) {
    HMODULE plugin = LoadLibraryA(BesideThisProgram("QVB20x64.dll").c_str());
    ASSERT_NE(plugin, nullptr) << "error " << GetLastError();
    char path[MAX_PATH] = {};
    EXPECT_GT(GetModuleFileNameA(plugin, path, MAX_PATH), 0u);
    EXPECT_TRUE(FreeLibrary(plugin));
}

}  // namespace
