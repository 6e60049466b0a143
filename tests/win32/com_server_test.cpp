#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cantivo/mfx.h"
#include "tests/win32/plugin_module.h"
#include "tools/host/event_queue.h"

namespace cantivo::test {
namespace {

// A class the plug-in does not serve.
constexpr CLSID kForeign = {0x12345678, 0x1234, 0x1234, {1, 2, 3, 4, 5, 6, 7, 8}};

// The plug-in loaded, with the factory of one of its classes.
class ClassFactory : public ::testing::Test {
protected:
    void Open(REFCLSID id) {
        ASSERT_NE(plugin.GetClassObject, nullptr);
        ASSERT_EQ(plugin.GetClassObject(id, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
    }
    void TearDown() override {
        if (factory) factory->Release();
        EXPECT_EQ(plugin.CanUnloadNow(), S_OK);
    }

    PluginModule plugin;
    IClassFactory* factory = nullptr;
};

// Only our classes have a factory, and it answers only as one. Failed
// creations leave nothing alive; a filter holds the module until its last
// release, a page never does, and LockServer does until balanced.
TEST_F(ClassFactory, OnlyOurClassesAreServedAndOnlyFiltersAndLocksHoldTheModule) {
    void* out = &plugin;
    EXPECT_EQ(plugin.GetClassObject(kForeign, IID_IClassFactory, &out), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(out, &plugin);
    for (const CLSID& id : {CLSID_CantivoFilter, CLSID_CantivoPropertyPage}) {
        EXPECT_EQ(plugin.GetClassObject(id, IID_IMfxEventFilter, &out), E_NOINTERFACE);
        EXPECT_EQ(out, nullptr);
        Open(id);
        EXPECT_EQ(factory->CreateInstance(nullptr, IID_IHostMeter, &out), E_NOINTERFACE);
        EXPECT_EQ(out, nullptr);
        EXPECT_EQ(plugin.CanUnloadNow(), S_OK);
        IUnknown* object = nullptr;
        ASSERT_EQ(factory->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(&object)), S_OK);
        EXPECT_EQ(plugin.CanUnloadNow(), IsEqualCLSID(id, CLSID_CantivoFilter) ? S_FALSE : S_OK);
        EXPECT_EQ(object->Release(), 0u);
        EXPECT_EQ(plugin.CanUnloadNow(), S_OK);
        factory->Release();
        factory = nullptr;
    }
    Open(CLSID_CantivoPropertyPage);
    EXPECT_EQ(factory->LockServer(TRUE), S_OK);
    EXPECT_EQ(plugin.CanUnloadNow(), S_FALSE);
    EXPECT_EQ(factory->LockServer(FALSE), S_OK);
    EXPECT_EQ(plugin.CanUnloadNow(), S_OK);
}

// A plug-in whose path is the full MAX_PATH characters still finds its folder:
// creating a filter makes that folder current.
TEST(PluginFolder, APluginAtAPathOfTheFullLengthFindsItsFolder) {
    const std::filesystem::path top = std::filesystem::temp_directory_path() / "cantivo-long-path";
    std::string folder = top.string() + "\\";
    const std::size_t folderLength = MAX_PATH - std::string("QVB20x64.dll").size();
    while (folder.size() < folderLength) {
        const std::size_t room = folderLength - folder.size();
        const std::size_t step = room <= 100 ? room : (room == 101 ? 50 : 100);  // never a step of 1
        folder += std::string(step - 1, 'x') + "\\";
    }
    std::filesystem::create_directories(folder);
    const std::string plugin = folder + "QVB20x64.dll";
    ASSERT_EQ(plugin.size(), static_cast<std::size_t>(MAX_PATH));
    ASSERT_TRUE(CopyFileA(BesideThisProgram("QVB20x64.dll").c_str(), plugin.c_str(), FALSE)) << GetLastError();

    char before[MAX_PATH + 1] = {};
    GetCurrentDirectoryA(sizeof before, before);
    {
        PluginModule copy(plugin);
        ASSERT_NE(copy.module, nullptr) << GetLastError();
        IClassFactory* factory = nullptr;
        ASSERT_EQ(copy.GetClassObject(CLSID_CantivoFilter, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
        IMfxEventFilter* filter = nullptr;
        EXPECT_EQ(factory->CreateInstance(nullptr, IID_IMfxEventFilter, reinterpret_cast<void**>(&filter)), S_OK);
        factory->Release();
        if (filter) filter->Release();
        char current[MAX_PATH + 1] = {};
        GetCurrentDirectoryA(sizeof current, current);
        EXPECT_EQ(std::string(current) + "\\", folder);
        SetCurrentDirectoryA(before);
    }
    std::error_code ignored;
    std::filesystem::remove_all(top, ignored);
}

}  // namespace
}  // namespace cantivo::test
