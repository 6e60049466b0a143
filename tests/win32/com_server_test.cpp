#include <gtest/gtest.h>

#include "cantivo/mfx.h"
#include "tests/support/test_host.h"
#include "tests/win32/plugin_module.h"

namespace cantivo::test {
namespace {

// A foreign class, and an interface neither factory has.
constexpr CLSID kForeign = {0x12345678, 0x1234, 0x1234, {1, 2, 3, 4, 5, 6, 7, 8}};

TEST(ClassFactory, ForeignClassLeavesTheOutPointerAlone) {
    PluginModule plugin;
    ASSERT_NE(plugin.GetClassObject, nullptr);
    void* out = &plugin;
    EXPECT_EQ(plugin.GetClassObject(kForeign, IID_IClassFactory, &out), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(out, &plugin);
}

TEST(ClassFactory, BothClassesGiveAFactoryForItsTwoInterfacesOnly) {
    PluginModule plugin;
    for (const CLSID& id : {CLSID_CantivoFilter, CLSID_CantivoPropertyPage}) {
        for (const IID& iid : {IID_IClassFactory, IID_IUnknown}) {
            IUnknown* factory = nullptr;
            ASSERT_EQ(plugin.GetClassObject(id, iid, reinterpret_cast<void**>(&factory)), S_OK);
            EXPECT_EQ(factory->Release(), 0u);
        }
        void* out = &plugin;
        EXPECT_EQ(plugin.GetClassObject(id, IID_IMfxEventFilter, &out), E_NOINTERFACE);
        EXPECT_EQ(out, nullptr);
    }
    EXPECT_EQ(plugin.CanUnloadNow(), S_OK);
}

TEST(ClassFactory, FilterHoldsTheModuleUntilItsLastRelease) {
    PluginModule plugin;
    IClassFactory* factory = nullptr;
    ASSERT_EQ(plugin.GetClassObject(CLSID_CantivoFilter, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
    IMfxEventFilter* filter = nullptr;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IMfxEventFilter, reinterpret_cast<void**>(&filter)), S_OK);
    factory->Release();
    EXPECT_EQ(plugin.CanUnloadNow(), S_FALSE);
    filter->AddRef();
    filter->Release();
    EXPECT_EQ(plugin.CanUnloadNow(), S_FALSE);
    EXPECT_EQ(filter->Release(), 0u);
    EXPECT_EQ(plugin.CanUnloadNow(), S_OK);
}

TEST(ClassFactory, FailedCreationsLeaveNothingAlive) {
    PluginModule plugin;
    IClassFactory* factory = nullptr;
    ASSERT_EQ(plugin.GetClassObject(CLSID_CantivoFilter, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
    TestHost outer;
    void* out = &plugin;
    EXPECT_EQ(factory->CreateInstance(&outer, IID_IUnknown, &out), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(out, &plugin);
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_IHostMeter, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(plugin.CanUnloadNow(), S_OK);
    factory->Release();
}

TEST(ClassFactory, LockServerHoldsTheModuleUntilBalanced) {
    PluginModule plugin;
    IClassFactory* factory = nullptr;
    ASSERT_EQ(plugin.GetClassObject(CLSID_CantivoPropertyPage, IID_IClassFactory, reinterpret_cast<void**>(&factory)),
              S_OK);
    EXPECT_EQ(factory->LockServer(TRUE), S_OK);
    EXPECT_EQ(plugin.CanUnloadNow(), S_FALSE);
    EXPECT_EQ(factory->LockServer(FALSE), S_OK);
    EXPECT_EQ(plugin.CanUnloadNow(), S_OK);
    EXPECT_EQ(factory->LockServer(FALSE), S_OK);  // unmatched
    EXPECT_EQ(plugin.CanUnloadNow(), S_FALSE);
    factory->LockServer(TRUE);
    EXPECT_EQ(plugin.CanUnloadNow(), S_OK);
    factory->Release();
}

}  // namespace
}  // namespace cantivo::test
