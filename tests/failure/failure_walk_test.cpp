// Every call that can fail, failed in turn: each movable-memory call and each
// host queue read of a processing run, and each slot allocation of a style
// load. After each failure the error code is the one the failure gives, every
// input event comes out exactly once, the state is whole, and the sanitizers
// see no leak.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <climits>
#include <new>

#include "engine/error_code.h"
#include "platform/posix/movable_failures.h"
#include "tests/support/event_bytes.h"
#include "tests/support/plugin_folder_filter.h"

namespace {

// Array allocations that may fail, as the style loader asks for its slot data.
std::atomic<long> g_failingNew{-1};
std::atomic<long> g_newsCounted{0};

}  // namespace

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    if (g_failingNew.load() >= 0 && g_newsCounted.fetch_add(1) == g_failingNew.load()) return nullptr;
    try {
        return ::operator new[](size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

namespace cantivo::test {
namespace {

// With a bundled style loaded, and what it makes of the phrase.
class FailureWalk : public PluginFolderFilter {
protected:
    void SetUp() override {
        PluginFolderFilter::SetUp();
        ASSERT_TRUE(LoadBundled("Example", "Phrasing", true));
        ASSERT_GT(filter->m_nSlotCount, 0u);
        reference = Run(input);
        ASSERT_EQ(GetErrorCode(), kNoError);
        ASSERT_NE(Bytes(reference, true), Bytes(input, true));  // the style did change something
    }
    void TearDown() override {
        CantivoFailMovableCall(-1);
        PluginFolderFilter::TearDown();
    }

    // A failed run hands its input on, each event once; a run that got past the
    // failure gives what a clean run gives. Either way the next run is clean.
    void ExpectRunOutcome(const std::vector<HostEvent>& output, std::initializer_list<std::int32_t> codes) {
        const std::int32_t code = GetErrorCode();
        if (code == kNoError) {
            EXPECT_EQ(Bytes(output), Bytes(reference));
        } else {
            EXPECT_NE(std::find(codes.begin(), codes.end(), code), codes.end()) << "code " << code;
            EXPECT_EQ(Bytes(output, true), Bytes(input, true));
        }
        EXPECT_EQ(Bytes(Run(input)), Bytes(reference));
        EXPECT_EQ(GetErrorCode(), kNoError);
    }

    std::vector<HostEvent> reference;
};

TEST_F(FailureWalk, EachMovableMemoryCallOfARun) {
    CantivoFailMovableCall(LONG_MAX);
    Run(input);
    const long calls = CantivoMovableCallsCounted();
    ASSERT_GT(calls, 4);  // intake's block and lock, then every module's locks and the stages after
    for (long n = 0; n < calls; ++n) {
        SCOPED_TRACE("failing call " + std::to_string(n));
        messages.messages.clear();
        CantivoFailMovableCall(n);
        const auto output = Run(input);
        CantivoFailMovableCall(-1);
        ExpectRunOutcome(output, {kErrNoMemory});
        for (const auto& message : messages.messages) EXPECT_EQ(message, "No memory");
    }
}

TEST_F(FailureWalk, EachHostQueueReadOfARun) {
    host::EventQueue counted(input);
    host::EventQueue out;
    ASSERT_EQ(filter->ProcessEvents(0, 0, &counted, &out), S_OK);
    ASSERT_EQ(counted.reads, 2 + static_cast<std::int32_t>(input.size()));  // two counts, then each event
    for (std::int32_t n = 0; n < counted.reads; ++n) {
        SCOPED_TRACE("failing read " + std::to_string(n));
        host::EventQueue in(input);
        in.failReadAt = n;
        host::EventQueue out;
        const HRESULT result = filter->ProcessEvents(0, 0, &in, &out);
        if (n == 0) {
            // The count that starts a run: nothing is done.
            EXPECT_EQ(result, E_FAIL);
            EXPECT_TRUE(out.events.empty());
            continue;
        }
        EXPECT_EQ(result, S_OK);
        ExpectRunOutcome(out.events, {kErrInternalMfx});
    }
}

TEST_F(FailureWalk, EachSlotAllocationOfAStyleLoad) {
    const std::uint32_t slots = filter->m_nSlotCount;
    for (long n = 0; n < static_cast<long>(slots); ++n) {
        SCOPED_TRACE("failing slot " + std::to_string(n));
        messages.messages.clear();
        g_newsCounted = 0;
        g_failingNew = n;
        const bool loaded = LoadStyle(*filter, nullptr, false, false);
        g_failingNew = -1;
        EXPECT_FALSE(loaded);
        EXPECT_EQ(messages.messages, std::vector<std::string>{"No memory"});
        EXPECT_EQ(GetErrorCode(), kNoError);
        for (std::uint32_t k = 0; k < slots; ++k) EXPECT_EQ(filter->m_aSlots[k].pData != nullptr, k < n) << k;
        // The slot left without data fails the run, which hands its input on.
        const auto output = Run(input);
        EXPECT_EQ(GetErrorCode(), kErrNoMemory);
        EXPECT_EQ(Bytes(output, true), Bytes(input, true));
        ASSERT_TRUE(LoadStyle(*filter, nullptr, false, false));
        EXPECT_EQ(Bytes(Run(input)), Bytes(reference));
    }
}

}  // namespace
}  // namespace cantivo::test
