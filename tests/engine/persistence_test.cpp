#include <gtest/gtest.h>

#include <cstring>
#include <numeric>

#include "engine/persisted_settings.h"
#include "tests/support/filter_fixture.h"
#include "tests/support/style_files.h"
#include "tests/support/host_doubles.h"

namespace cantivo::test {
namespace {

class Persistence : public FilterFixture {
protected:
    // Settings unlike the defaults in every persisted field.
    void MakeDistinct(CMFCMidiFilter& f) {
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
    std::vector<std::uint8_t> Persisted(const CMFCMidiFilter& f) {
        std::vector<std::uint8_t> bytes;
        for (const auto field : PersistedFields(f)) bytes.insert(bytes.end(), field.begin(), field.end());
        return bytes;
    }
    std::vector<std::uint8_t> Saved(CMFCMidiFilter& f) {
        host::MemoryStream stream;
        EXPECT_EQ(f.Save(&stream, 1), S_OK);
        return stream.bytes;
    }
};

TEST_F(Persistence, QueryInterfaceGivesThePersistenceFace) {
    IPersistStream* persist = nullptr;
    ASSERT_EQ(filter->QueryInterface(IID_IPersistStream, reinterpret_cast<void**>(&persist)), S_OK);
    EXPECT_EQ(persist, static_cast<IPersistStream*>(filter));
    IUnknown* unknown = nullptr;
    ASSERT_EQ(persist->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)), S_OK);
    EXPECT_EQ(unknown, static_cast<IUnknown*>(static_cast<IMfxEventFilter*>(filter)));
    unknown->Release();
    EXPECT_EQ(persist->Release(), 1u);

    CLSID id{};
    EXPECT_EQ(persist->GetClassID(&id), S_OK);
    EXPECT_TRUE(IsEqualGUID(id, CLSID_CantivoFilter));
    EXPECT_EQ(persist->GetClassID(nullptr), E_POINTER);
}

TEST_F(Persistence, SizeIs636WhateverTheState) {
    ULARGE_INTEGER size{};
    EXPECT_EQ(filter->GetSizeMax(&size), S_OK);
    EXPECT_EQ(size.QuadPart, 636u);
    MakeDistinct(*filter);
    EXPECT_EQ(filter->GetSizeMax(&size), S_OK);
    EXPECT_EQ(size.QuadPart, 636u);
    EXPECT_EQ(filter->GetSizeMax(nullptr), E_POINTER);
}

TEST_F(Persistence, SaveWritesSixFieldsAtTheirOffsets) {
    MakeDistinct(*filter);
    FailingStream stream;
    filter->m_bDirty = 1;
    ASSERT_EQ(filter->Save(&stream, 0), S_OK);  // cleared even when not asked to
    EXPECT_EQ(filter->m_bDirty, 0u);
    EXPECT_EQ(filter->IsDirty(), S_FALSE);
    EXPECT_EQ(stream.writeCalls, 6);
    const auto& b = stream.bytes;
    ASSERT_EQ(b.size(), 636u);
    EXPECT_STREQ(reinterpret_cast<const char*>(&b[0]), "Jazz");
    EXPECT_STREQ(reinterpret_cast<const char*>(&b[260]), "Swing");
    EXPECT_EQ(b[520], 10);
    EXPECT_EQ(b[520 + 4 * 6 + 2], 6);
    EXPECT_EQ(b[548], 150);
    EXPECT_EQ(b[554], 9);
    EXPECT_EQ(b[556], 1);
    EXPECT_EQ(b[560], 0);
    EXPECT_EQ(b[580], 130);
    EXPECT_EQ(b[582], 77);
    EXPECT_EQ(b[586], 55);
    EXPECT_EQ(b[588 + 4], 1);
    EXPECT_EQ(b[620], 6);
    EXPECT_EQ(b[632], 0);
}

TEST_F(Persistence, SaveThenLoadIntoANewFilterGivesTheSameSettingsAndRebuildsTheSlots) {
    InstallStyleFile(folder, "Jazz", "Swing.cnv", WriteStyleFile(SampleStyle()));
    MakeDistinct(*filter);
    filter->m_bDirty = 1;
    host::MemoryStream stream;
    ASSERT_EQ(filter->Save(&stream, 1), S_OK);

    auto* loaded = new CMFCMidiFilter;
    TestHost otherHost;
    otherHost.AddRef();
    ASSERT_EQ(loaded->Connect(&otherHost), S_OK);
    stream.position = 0;
    EXPECT_EQ(loaded->Load(&stream), S_OK);
    EXPECT_EQ(Persisted(*loaded), Persisted(*filter));
    EXPECT_EQ(loaded->IsDirty(), S_FALSE);
    EXPECT_EQ(loaded->m_bLoaded, 1u);
    EXPECT_EQ(loaded->m_bBypass, 0u);
    // The windowless loader rebuilt the style, leaving the settings alone.
    EXPECT_EQ(loaded->m_nSlotCount, 3u);
    EXPECT_STREQ(loaded->m_aSlots[2].szName, "Accent");
    EXPECT_EQ(loaded->m_StyleInitial.wTempo, 96);
    EXPECT_EQ(loaded->m_abLocked[4], 1u);
    EXPECT_EQ(loaded->m_anAxis[0], 6u);
    EXPECT_TRUE(messages.messages.empty());
    loaded->Disconnect();
    loaded->Release();
}

#ifdef _WIN32
TEST_F(Persistence, RoundTripThroughTheSystemsMemoryStream) {
    MakeDistinct(*filter);
    IStream* stream = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &stream), S_OK);
    ASSERT_EQ(filter->Save(stream, TRUE), S_OK);
    LARGE_INTEGER start{};
    ASSERT_EQ(stream->Seek(start, STREAM_SEEK_SET, nullptr), S_OK);
    auto* loaded = new CMFCMidiFilter;
    EXPECT_EQ(loaded->Load(stream), S_OK);
    EXPECT_EQ(Persisted(*loaded), Persisted(*filter));
    loaded->Release();
    stream->Release();
}
#endif

TEST_F(Persistence, LoadIntoADirtyFilterReadsNothing) {
    MakeDistinct(*filter);
    const auto saved = Saved(*filter);
    filter->m_bDirty = 1;
    std::strcpy(filter->m_szStyleFolder, "Mine");
    const auto before = Persisted(*filter);
    FailingStream stream(saved);
    EXPECT_EQ(filter->Load(&stream), S_OK);
    EXPECT_EQ(stream.readCalls, 0);
    EXPECT_EQ(stream.position, 0u);
    EXPECT_EQ(Persisted(*filter), before);
    EXPECT_EQ(filter->m_bLoaded, 0u);
    EXPECT_EQ(filter->m_bBypass, 1u);
}

TEST_F(Persistence, StreamOf520BytesTakesBothNamesAndStops) {
    InstallStyleFile(folder, "Jazz", "Swing.cnv", WriteStyleFile(SampleStyle()));
    MakeDistinct(*filter);
    auto bytes = Saved(*filter);
    bytes.resize(520);

    auto* fresh = new CMFCMidiFilter;
    const auto before = Persisted(*fresh);
    host::MemoryStream stream(bytes);
    EXPECT_EQ(fresh->Load(&stream), E_FAIL);
    EXPECT_STREQ(fresh->m_szStyleFolder, "Jazz");
    EXPECT_STREQ(fresh->m_szStyleName, "Swing");
    const auto after = Persisted(*fresh);
    EXPECT_TRUE(std::equal(after.begin() + 520, after.end(), before.begin() + 520));
    EXPECT_EQ(fresh->m_aSlots[0].wModule, kEmptySlot);  // not rebuilt
    EXPECT_EQ(fresh->m_bLoaded, 0u);
    EXPECT_EQ(fresh->m_bBypass, 1u);
    fresh->Release();
}

TEST_F(Persistence, ShortOrFailingReadKeepsEarlierFieldsAndNoPartOfItsOwn) {
    MakeDistinct(*filter);
    const auto saved = Saved(*filter);
    for (const bool shortRead : {true, false}) {
        auto* fresh = new CMFCMidiFilter;
        const auto before = Persisted(*fresh);
        FailingStream stream(saved);
        (shortRead ? stream.shortReadAt : stream.failReadAt) = 3;  // m_Initial
        EXPECT_EQ(fresh->Load(&stream), E_FAIL);
        const auto after = Persisted(*fresh);
        EXPECT_TRUE(std::equal(after.begin(), after.begin() + 556, saved.begin()));
        EXPECT_TRUE(std::equal(after.begin() + 556, after.end(), before.begin() + 556));
        EXPECT_EQ(fresh->m_bLoaded, 0u);
        fresh->Release();
    }
}

TEST_F(Persistence, NameWithoutTerminatorIsCutAtItsLastByte) {
    std::vector<std::uint8_t> bytes(636, 0);
    std::fill(bytes.begin(), bytes.begin() + 520, 'A');
    host::MemoryStream stream(bytes);
    EXPECT_EQ(filter->Load(&stream), S_OK);
    EXPECT_EQ(std::string(filter->m_szStyleFolder), std::string(259, 'A'));
    EXPECT_EQ(std::string(filter->m_szStyleName), std::string(259, 'A'));
    ASSERT_EQ(messages.messages.size(), 1u);  // no such style
    EXPECT_EQ(messages.messages[0], "Can't open file");
}

TEST_F(Persistence, MissingStyleStillSwitchesProcessingOn) {
    MakeDistinct(*filter);
    host::MemoryStream stream(Saved(*filter));
    EXPECT_EQ(filter->Load(&stream), S_OK);
    EXPECT_EQ(messages.messages, (std::vector<std::string>{"Can't open file"}));
    EXPECT_EQ(filter->m_bLoaded, 1u);
    EXPECT_EQ(filter->m_bBypass, 0u);
}

int g_refreshCalls = 0;
CMFCSamplePropPage* g_refreshedPage = nullptr;
void RecordRefresh(CMFCSamplePropPage* page) {
    ++g_refreshCalls;
    g_refreshedPage = page;
}

TEST_F(Persistence, OpenPageRefreshesInsteadOfTheWindowlessLoad) {
    InstallStyleFile(folder, "Jazz", "Swing.cnv", WriteStyleFile(SampleStyle()));
    MakeDistinct(*filter);
    const auto saved = Saved(*filter);
    auto* page = reinterpret_cast<CMFCSamplePropPage*>(&g_refreshCalls);  // only passed back, never used
    filter->m_pPage = page;
    filter->m_pfnRefreshPage = &RecordRefresh;
    g_refreshCalls = 0;

    host::MemoryStream stream(saved);
    EXPECT_EQ(filter->Load(&stream), S_OK);
    EXPECT_EQ(g_refreshCalls, 1);
    EXPECT_EQ(g_refreshedPage, page);
    EXPECT_EQ(filter->m_aSlots[0].wModule, kEmptySlot);  // the page's refresh loads, not the filter
    EXPECT_EQ(filter->m_bLoaded, 1u);
    EXPECT_EQ(filter->m_bBypass, 0u);

    // Without the page the filter loads the style itself.
    filter->m_pPage = nullptr;
    filter->m_pfnRefreshPage = nullptr;
    host::MemoryStream again(saved);
    EXPECT_EQ(filter->Load(&again), S_OK);
    EXPECT_EQ(g_refreshCalls, 1);
    EXPECT_STREQ(filter->m_aSlots[0].szName, "Swing feel");
}

TEST_F(Persistence, SaveFailuresMapToMediumFullOrCantSave) {
    MakeDistinct(*filter);
    struct Case {
        int failAt;
        int shortAt;
        HRESULT failure;
        HRESULT expected;
    };
    const Case cases[] = {{2, -1, STG_E_MEDIUMFULL, STG_E_MEDIUMFULL},
                          {2, -1, E_FAIL, STG_E_CANTSAVE},
                          {0, -1, E_OUTOFMEMORY, STG_E_CANTSAVE},
                          {-1, 2, S_OK, STG_E_CANTSAVE}};
    for (const Case& c : cases) {
        filter->m_bDirty = 1;
        FailingStream stream;
        stream.failWriteAt = c.failAt;
        stream.shortWriteAt = c.shortAt;
        stream.failure = c.failure;
        EXPECT_EQ(filter->Save(&stream, 1), c.expected);
        EXPECT_EQ(filter->m_bDirty, 1u);
        EXPECT_EQ(stream.writeCalls, std::max(c.failAt, c.shortAt) + 1);  // the save ends at the failure
        if (c.failAt == 2) {
            EXPECT_EQ(stream.bytes.size(), 520u);  // what was written stays
        }
    }
}

}  // namespace
}  // namespace cantivo::test
