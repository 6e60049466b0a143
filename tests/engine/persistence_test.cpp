#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

#include "tests/support/filter_fixture.h"
#include "tests/support/host_doubles.h"

namespace cantivo::test {
namespace {

// Counts what a stream load asks of the view it is given.
class CountingView final : public FilterView {
public:
    void ReloadStyle(CMFCMidiFilter&) override { ++reloads; }
    void RefreshFromState(CMFCMidiFilter&) override { ++refreshes; }
    int reloads = 0;
    int refreshes = 0;
};

class Persistence : public FilterFixture {
protected:
    void SetUp() override {
        FilterFixture::SetUp();
        filter->m_pWindowlessView = &windowless;
    }
    // Settings unlike the defaults in every persisted field.
    static void MakeDistinct(CMFCMidiFilter& f) {
        std::strcpy(f.m_szStyleFolder, "Jazz");
        std::strcpy(f.m_szStyleName, "Swing");
        for (int k = 0; k < 7; ++k) f.m_Params.aEntry[k] = {static_cast<std::uint16_t>(10 + k), static_cast<std::uint16_t>(k)};
        f.m_Params.wVariableDepth = 150;
        f.m_Params.awModuleValues[2] = 9;
        f.m_Initial = {1, 0, 1, 0, 1, 0, 130, 77, 66, 55};
        for (int k = 0; k < kParameterCount; ++k) f.m_abMuted[k] = k % 2;
        f.m_anAxis[0] = 6;
        f.m_anAxis[3] = 0;
    }
    std::vector<std::uint8_t> Saved() {
        MakeDistinct(*filter);
        FailingStream stream;
        EXPECT_EQ(filter->Save(&stream, 1), S_OK);
        return stream.bytes;
    }

    CountingView windowless;
};

TEST_F(Persistence, SaveWritesSixFieldsAtTheirOffsets) {
    CLSID id{};
    ULARGE_INTEGER size{};
    EXPECT_EQ((std::tuple{filter->GetClassID(&id), filter->GetSizeMax(&size)}), (std::tuple{S_OK, S_OK}));
    EXPECT_TRUE(IsEqualGUID(id, CLSID_CantivoFilter));
    EXPECT_EQ(size.QuadPart, 636u);
    MakeDistinct(*filter);
    FailingStream stream;
    filter->m_bDirty = 1;
    ASSERT_EQ(filter->Save(&stream, 0), S_OK);  // cleared even when not asked to
    EXPECT_EQ(filter->IsDirty(), S_FALSE);
    EXPECT_EQ(stream.writeCalls, 6);
    const auto& b = stream.bytes;
    ASSERT_EQ(b.size(), 636u);
    EXPECT_STREQ(reinterpret_cast<const char*>(&b[0]), "Jazz");
    EXPECT_STREQ(reinterpret_cast<const char*>(&b[260]), "Swing");
    const std::pair<std::size_t, std::uint8_t> bytes[] = {{520, 10}, {546, 6}, {548, 150}, {554, 9}, {556, 1},
                                                          {560, 0},  {580, 130}, {582, 77}, {586, 55}, {592, 1},
                                                          {620, 6},  {632, 0}};
    for (const auto& [offset, value] : bytes) EXPECT_EQ(b[offset], value) << offset;
}

// The loaded settings are the saved ones, and processing is on whatever the
// views made of them: an open page refreshes, else the windowless view reloads.
TEST_F(Persistence, LoadTakesTheSettingsAndHasThemShown) {
    const auto saved = Saved();
    for (const auto& [pageOpen, withView] : {std::pair{false, true}, std::pair{true, true}, std::pair{false, false}}) {
        SCOPED_TRACE(std::to_string(pageOpen) + std::to_string(withView));
        CountingView page;
        CountingView view;
        OwnedFilter loaded = NewFilter();
        if (pageOpen) loaded->m_pPage = &page;
        if (withView) loaded->m_pWindowlessView = &view;
        FailingStream stream(saved);
        EXPECT_EQ(loaded->Load(&stream), S_OK);
        EXPECT_EQ(PersistedBytes(*loaded), PersistedBytes(*filter));
        EXPECT_EQ((std::tuple{page.refreshes, page.reloads + view.refreshes, view.reloads, loaded->IsDirty(),
                              +loaded->m_bLoaded, +loaded->m_bBypass}),
                  (std::tuple{pageOpen ? 1 : 0, 0, !pageOpen && withView ? 1 : 0, S_FALSE, 1u, 0u}));
    }
}

TEST_F(Persistence, LoadIntoADirtyFilterReadsNothing) {
    FailingStream stream(Saved());
    filter->m_bDirty = 1;
    std::strcpy(filter->m_szStyleFolder, "Mine");
    const auto before = PersistedBytes(*filter);
    EXPECT_EQ(filter->Load(&stream), S_OK);
    EXPECT_EQ(PersistedBytes(*filter), before);
    EXPECT_EQ((std::tuple{stream.readCalls, +stream.position, windowless.reloads, +filter->m_bLoaded, +filter->m_bBypass}),
              (std::tuple{0, 0u, 0, 0u, 1u}));
}

// A stream that ends early or fails at any field keeps the fields before it
// and no part of it, and rebuilds nothing.
TEST_F(Persistence, CutShortOrFailingStreamStopsAtItsField) {
    const auto saved = Saved();
    const auto fields = PersistedFields(*filter);
    enum Breakage { kCut, kShortRead, kFailingRead };
    std::size_t kept = 0;
    for (int field = 0; field < static_cast<int>(fields.size()); kept += fields[field++].size()) {
        for (const Breakage breakage : {kCut, kShortRead, kFailingRead}) {
            SCOPED_TRACE("breakage " + std::to_string(breakage) + " at field " + std::to_string(field));
            OwnedFilter fresh = NewFilter();
            fresh->m_pWindowlessView = &windowless;
            fresh->m_bBypass = 0;
            const auto before = PersistedBytes(*fresh);
            FailingStream stream(breakage == kCut ? std::vector<std::uint8_t>(saved.begin(), saved.begin() + kept) : saved);
            if (breakage != kCut) (breakage == kShortRead ? stream.shortReadAt : stream.failReadAt) = field;
            EXPECT_EQ(fresh->Load(&stream), E_FAIL);
            const auto after = PersistedBytes(*fresh);
            EXPECT_TRUE(std::equal(after.begin(), after.begin() + kept, saved.begin()));
            EXPECT_TRUE(std::equal(after.begin() + kept, after.end(), before.begin() + kept));
            EXPECT_EQ((std::tuple{windowless.reloads, +fresh->m_bLoaded, +fresh->m_bBypass}), (std::tuple{0, 0u, 0u}));
        }
    }
}

TEST_F(Persistence, NameWithoutTerminatorIsCutAtItsLastByte) {
    std::vector<std::uint8_t> bytes(636, 0);
    std::fill(bytes.begin(), bytes.begin() + 520, 'A');
    FailingStream stream(bytes);
    EXPECT_EQ(filter->Load(&stream), S_OK);
    EXPECT_EQ(std::string(filter->m_szStyleFolder), std::string(259, 'A'));
    EXPECT_EQ(std::string(filter->m_szStyleName), std::string(259, 'A'));
}

// The save ends at a failing or short write; what was written stays.
TEST_F(Persistence, SaveFailuresMapToMediumFullOrCantSave) {
    MakeDistinct(*filter);
    // the call that fails, or the one that writes short, with what it fails with; the save's result
    const std::tuple<int, int, HRESULT, HRESULT> cases[] = {{2, -1, STG_E_MEDIUMFULL, STG_E_MEDIUMFULL},
                                                            {2, -1, E_FAIL, STG_E_CANTSAVE},
                                                            {0, -1, E_OUTOFMEMORY, STG_E_CANTSAVE},
                                                            {-1, 2, S_OK, STG_E_CANTSAVE}};
    for (const auto& [failAt, shortAt, failure, expected] : cases) {
        filter->m_bDirty = 1;
        FailingStream stream;
        stream.failWriteAt = failAt;
        stream.shortWriteAt = shortAt;
        stream.failure = failure;
        EXPECT_EQ(filter->Save(&stream, 1), expected);
        EXPECT_EQ(filter->m_bDirty, 1u);
        EXPECT_EQ(stream.writeCalls, std::max(failAt, shortAt) + 1);
        EXPECT_EQ(stream.bytes.size(), failAt == 2 ? 520u : stream.bytes.size());
    }
}

}  // namespace
}  // namespace cantivo::test
