#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <vector>

#include "engine/error_code.h"
#include "tests/support/filter_fixture.h"
#include "tests/support/owned_filter.h"

namespace cantivo::test {
namespace {

// A filter made in a module folder that holds the one file `module`.
class FilterObject : public ::testing::Test {
protected:
    void SetUp() override { g_Options = OptionsSettings{}; }
    OwnedFilter MakeIn(const char* module) {
        folder.Touch(module);
        SetModuleFolder(folder.Path());
        return NewFilter();
    }
    template <typename T, std::size_t N>
    static std::vector<T> All(const T (&values)[N]) {
        return {std::begin(values), std::end(values)};
    }

    TempFolder folder;
    MessageCapture messages;
    TestHost host;
};

TEST_F(FilterObject, ConstructionSetsDefaultsAndCountsTheObject) {
    const std::int32_t before = g_objectCount;
    OwnedFilter filter = MakeIn("R0.DLL");
    EXPECT_EQ(g_objectCount, before + 1);
    EXPECT_EQ((std::tuple{+filter->m_bBypass, +filter->m_bLoaded, +filter->m_wMeter, +filter->m_wTimeBase}),
              (std::tuple{1u, 0u, 0x0204, 120}));
    EXPECT_EQ(All(filter->m_anAxis), (std::vector<std::uint32_t>{1, 2, 5, 4}));
    for (const ParamEntry& entry : filter->m_Params.aEntry)
        EXPECT_EQ((std::pair{+entry.wDepth, +entry.wRandom}), (std::pair{100, 20}));
    EXPECT_EQ((std::array{+filter->m_Params.wVariableDepth, +filter->m_Params.awModuleValues[2],
                          +filter->m_Initial.wPan, +filter->m_StyleInitial.wTempo}),
              (std::array{100, 1, 64, 120}));
    EXPECT_EQ(All(filter->m_abMuted), std::vector<std::uint32_t>(kParameterCount, 1));
    EXPECT_EQ(All(filter->m_abLocked), std::vector<std::uint32_t>(kParameterCount, 1));
    for (const RuleSlot& slot : filter->m_aSlots) EXPECT_EQ(slot.wModule, kEmptySlot);
    // The region rule modules get starts at m_Params and ends with m_abLocked.
    EXPECT_EQ(reinterpret_cast<std::uint8_t*>(&filter->m_abLocked) + sizeof filter->m_abLocked,
              reinterpret_cast<std::uint8_t*>(filter->Settings()) + sizeof(SettingsRegion));
    EXPECT_EQ(filter.release()->Release(), 0u);
    EXPECT_EQ(g_objectCount, before);
}

TEST_F(FilterObject, ConnectNeedsARuleModuleNumbered0To63) {
    folder.Touch("R64.DLL");
    OwnedFilter filter = MakeIn("R100.DLL");
    host.AddRef();
    EXPECT_EQ(filter->Connect(&host), E_FAIL);
    EXPECT_EQ(messages.messages, std::vector<std::string>{"Rules Rxxx.DLL not found"});
    EXPECT_EQ(messages.styles, std::vector<unsigned>{platform::kMessageIconStop | platform::kMessageOk});
    EXPECT_EQ(GetErrorCode(), kNoError);
    EXPECT_EQ(host.References(), 1u);
}

TEST_F(FilterObject, QueryInterfaceGivesItsFacesOnlyAndOneIdentity) {
    OwnedFilter filter = MakeIn("R1.DLL");
    const std::pair<const IID*, void*> faces[] = {
        {&IID_IUnknown, static_cast<IMfxEventFilter*>(filter.get())},
        {&IID_IMfxEventFilter, static_cast<IMfxEventFilter*>(filter.get())},
        {&IID_IPersistStream, static_cast<IPersistStream*>(filter.get())},
        {&IID_ISpecifyPropertyPages, static_cast<ISpecifyPropertyPages*>(filter.get())}};
    for (const auto& [iid, expected] : faces) {
        void* face = nullptr;
        EXPECT_EQ(filter->QueryInterface(*iid, &face), S_OK);
        EXPECT_EQ(face, expected);
        // Every face answers IUnknown with the same object.
        IUnknown* unknown = nullptr;
        EXPECT_EQ(static_cast<IUnknown*>(face)->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)), S_OK);
        EXPECT_EQ(unknown, faces[0].second);
        EXPECT_EQ(filter->Release(), 2u);
        EXPECT_EQ(filter->Release(), 1u);
    }
    void* face = filter.get();
    EXPECT_EQ(filter->QueryInterface(IID_IHostMeter, &face), E_NOINTERFACE);
    EXPECT_EQ(face, nullptr);
}

}  // namespace
}  // namespace cantivo::test
