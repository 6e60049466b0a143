#include <gtest/gtest.h>

#include "engine/error_code.h"
#include "tests/support/filter_fixture.h"

namespace cantivo::test {
namespace {

class FilterObject : public ::testing::Test {
protected:
    void SetUp() override { g_Options = OptionsSettings{}; }
    TempFolder folder;
    MessageCapture messages;
    TestHost host;
};

TEST_F(FilterObject, ConstructionSetsDefaultsAndCountsTheObject) {
    folder.Touch("R0.DLL");
    SetModuleFolder(folder.Path());
    const std::int32_t before = g_objectCount;
    auto* filter = new CMFCMidiFilter;
    EXPECT_EQ(g_objectCount, before + 1);
    EXPECT_EQ(filter->m_bBypass, 1u);
    EXPECT_EQ(filter->m_bLoaded, 0u);
    EXPECT_EQ(filter->m_wMeter, 0x0204);
    EXPECT_EQ(filter->m_wTimeBase, 120);
    EXPECT_EQ(filter->m_anAxis[0], 1u);
    EXPECT_EQ(filter->m_anAxis[1], 2u);
    EXPECT_EQ(filter->m_anAxis[2], 5u);
    EXPECT_EQ(filter->m_anAxis[3], 4u);
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(filter->m_Params.aEntry[k].wDepth, 100);
        EXPECT_EQ(filter->m_Params.aEntry[k].wRandom, 20);
    }
    EXPECT_EQ(filter->m_Params.wVariableDepth, 100);
    EXPECT_EQ(filter->m_Params.awModuleValues[2], 1);
    EXPECT_EQ(filter->m_Initial.wPan, 64);
    EXPECT_EQ(filter->m_StyleInitial.wTempo, 120);
    for (int k = 0; k < kParameterCount; ++k) {
        EXPECT_EQ(filter->m_abMuted[k], 1u);
        EXPECT_EQ(filter->m_abLocked[k], 1u);
    }
    for (const RuleSlot& slot : filter->m_aSlots) EXPECT_EQ(slot.wModule, kEmptySlot);
    // The region rule modules get starts at m_Params and ends with m_abLocked.
    EXPECT_EQ(reinterpret_cast<std::uint8_t*>(&filter->m_abLocked) + sizeof filter->m_abLocked,
              reinterpret_cast<std::uint8_t*>(filter->Settings()) + sizeof(SettingsRegion));
    EXPECT_EQ(filter->Release(), 0u);
    EXPECT_EQ(g_objectCount, before);
}

TEST_F(FilterObject, ConnectNeedsARuleModuleNumbered0To63) {
    folder.Touch("R64.DLL");
    folder.Touch("R100.DLL");
    SetModuleFolder(folder.Path());
    auto* filter = new CMFCMidiFilter;
    host.AddRef();
    EXPECT_EQ(filter->Connect(&host), E_FAIL);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0], "Rules Rxxx.DLL not found");
    EXPECT_EQ(messages.styles[0], platform::kMessageIconStop | platform::kMessageOk);
    EXPECT_EQ(GetErrorCode(), kNoError);
    EXPECT_EQ(host.References(), 1u);
    filter->Disconnect();
    filter->Release();
}

TEST_F(FilterObject, ModuleFortyAloneIsEnoughAndNamesMatchWithoutCase) {
    folder.Touch("r40.dll");
    SetModuleFolder(folder.Path());
    auto* filter = new CMFCMidiFilter;
    host.AddRef();
    EXPECT_EQ(filter->Connect(&host), S_OK);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(host.timeBase.References(), 2u);
    EXPECT_EQ(host.meter.References(), 2u);
    EXPECT_EQ(host.References(), 1u);
    filter->Disconnect();
    filter->Release();
}

TEST_F(FilterObject, ConnectFailsWithoutAServiceAndKeepsNeither) {
    folder.Touch("R1.DLL");
    SetModuleFolder(folder.Path());
    auto* filter = new CMFCMidiFilter;
    host.offerMeter = false;
    host.AddRef();
    EXPECT_EQ(filter->Connect(&host), E_FAIL);
    EXPECT_EQ(filter->m_pHostTimeBase, nullptr);
    EXPECT_EQ(host.timeBase.References(), 1u);
    filter->Release();
}

TEST_F(FilterObject, QueryInterfaceGivesItsFacesOnly) {
    folder.Touch("R1.DLL");
    SetModuleFolder(folder.Path());
    auto* filter = new CMFCMidiFilter;
    void* face = nullptr;
    EXPECT_EQ(filter->QueryInterface(IID_IUnknown, &face), S_OK);
    EXPECT_EQ(face, static_cast<IMfxEventFilter*>(filter));
    EXPECT_EQ(filter->QueryInterface(IID_IMfxEventFilter, &face), S_OK);
    EXPECT_EQ(filter->QueryInterface(IID_ISpecifyPropertyPages, &face), S_OK);
    EXPECT_EQ(face, static_cast<ISpecifyPropertyPages*>(filter));
    face = filter;
    EXPECT_EQ(filter->QueryInterface(IID_IHostMeter, &face), E_NOINTERFACE);
    EXPECT_EQ(face, nullptr);
    EXPECT_EQ(filter->Release(), 3u);
    filter->Release();
    filter->Release();
    EXPECT_EQ(filter->Release(), 0u);
}

TEST_F(FilterObject, GetPagesNamesThePropertyPage) {
    folder.Touch("R1.DLL");
    SetModuleFolder(folder.Path());
    auto* filter = new CMFCMidiFilter;
    CAUUID pages{};
    ASSERT_EQ(filter->GetPages(&pages), S_OK);
    ASSERT_EQ(pages.cElems, 1u);
    EXPECT_TRUE(IsEqualGUID(pages.pElems[0], CLSID_CantivoPropertyPage));
    CoTaskMemFree(pages.pElems);
    filter->Release();
}

TEST_F(FilterObject, InitializeStateWithoutModulesChangesOnlySlotsAndLoaded) {
    folder.Touch("R2.DLL");
    SetModuleFolder(folder.Path());
    auto* filter = new CMFCMidiFilter;
    filter->m_Params.aEntry[1].wDepth = 150;
    filter->m_bLoaded = 1;
    std::filesystem::remove(folder / "R2.DLL");
    EXPECT_FALSE(filter->InitializeState());
    EXPECT_EQ(filter->m_Params.aEntry[1].wDepth, 150);
    EXPECT_EQ(filter->m_bLoaded, 0u);
    filter->Release();
}

TEST_F(FilterObject, ReleaseStateOnAnEmptyFilterSetsOnlyBypass) {
    folder.Touch("R2.DLL");
    SetModuleFolder(folder.Path());
    auto* filter = new CMFCMidiFilter;
    filter->m_bBypass = 0;
    filter->ReleaseState();
    EXPECT_EQ(filter->m_bBypass, 1u);
    EXPECT_EQ(filter->m_hEvents, nullptr);
    EXPECT_EQ(filter->m_Params.aEntry[0].wDepth, 100);
    filter->Release();
}

}  // namespace
}  // namespace cantivo::test
