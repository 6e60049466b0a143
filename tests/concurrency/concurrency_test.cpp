// A style loader and a processing run on two threads, as a page and a host's
// playback thread use one filter: every run sees one whole style and
// ReleaseState may come at any time, since a load holds the filter's lock
// while it fills the slots and a run holds it while the modules run.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <memory>
#include <thread>

#include "engine/error_code.h"
#include "engine/rule_slot.h"
#include "styles/style_loader.h"
#include "tests/support/event_bytes.h"
#include "tests/support/lock_probe.h"
#include "tests/support/plugin_folder_filter.h"
#include "tools/host/event_queue.h"

namespace cantivo::test {
namespace {

struct Style {
    const char* folder;
    const char* name;
};
constexpr Style kStyles[] = {{"Example", "Phrasing"}, {"Jazz", "Swing"}};

using Concurrency = PluginFolderFilter;

TEST_F(Concurrency, RunsSeeOneWholeStyleWhileStylesLoadAndUntilTheStateIsReleased) {
    // What each style makes of the phrase, run alone; a released filter passes it through.
    // A run clears the settings of the rows its style locks, for good: the second round is the one that lasts.
    std::vector<std::vector<EventBytes>> outcomes;
    for (int round = 0; round < 2; ++round) {
        outcomes = {Bytes(input)};
        for (const Style& style : kStyles) {
            ASSERT_TRUE(LoadBundled(style.folder, style.name, true));
            outcomes.push_back(Bytes(Run(input)));
        }
    }
    ASSERT_NE(outcomes[1], outcomes[2]);

    std::atomic<bool> released{false};
    std::atomic<int> runs{0};
    std::atomic<int> strays{0};
    std::thread playback([&] {
        // Runs on until it has seen the release.
        for (bool after = false; !after;) {
            after = released.load();
            host::EventQueue in(input);
            host::EventQueue out;
            if (filter->ProcessEvents(0, 0, &in, &out) != S_OK) ++strays;
            if (std::find(outcomes.begin(), outcomes.end(), Bytes(out.events)) == outcomes.end()) ++strays;
            ++runs;
        }
    });
    // Loads start once playback has run, so that runs overlap them however busy the machine.
    while (runs.load() == 0) std::this_thread::yield();
    for (int load = 0; load < 60; ++load) {
        const Style& style = kStyles[load % 2];
        // Only this thread writes the names, as only the page does.
        std::strcpy(filter->m_szStyleFolder, style.folder);
        std::strcpy(filter->m_szStyleName, style.name);
        EXPECT_TRUE(LoadStyle(*filter, nullptr, false, false));
    }
    filter->ReleaseState();
    released = true;
    playback.join();

    EXPECT_EQ(strays.load(), 0);
    EXPECT_GT(runs.load(), 1);
    EXPECT_EQ(Bytes(Run(input)), outcomes[0]);
    EXPECT_TRUE(messages.messages.empty());
}

// A rule module that looks at the filter's lock each time it runs.
class LockProbeModule final : public RuleModuleLoader, public LoadedRuleModule {
public:
    static CMFCMidiFilter* filter;
    static std::vector<bool> lockFree;

    std::unique_ptr<LoadedRuleModule> Load(std::int16_t) override { return std::make_unique<LockProbeModule>(); }
    QV12ConvertFunction Convert() const override { return &Probe; }

private:
    static std::int32_t Probe(HWND, void*, HGLOBAL*, std::int32_t*, std::int32_t*, SettingsRegion*, void*,
                              std::uint16_t, std::uint16_t, std::uint16_t, std::uint8_t) {
        lockFree.push_back(LockIsFree(filter->m_csLock));
        return 1;
    }
};
CMFCMidiFilter* LockProbeModule::filter = nullptr;
std::vector<bool> LockProbeModule::lockFree;

TEST_F(Concurrency, ARunHoldsTheLockWhileEachModuleRuns) {
    LockProbeModule probe;
    LockProbeModule::filter = filter.get();
    filter->m_pModuleLoader = &probe;
    for (int k : {0, 1}) {
        filter->m_aSlots[k].wModule = 1;
        filter->m_aSlots[k].pData = new std::uint8_t[kRuleDataPadding]();  // the slot owns it
    }
    filter->m_bBypass = 0;
    Run(input);
    EXPECT_EQ(GetErrorCode(), kNoError);
    EXPECT_EQ(LockProbeModule::lockFree, (std::vector<bool>{false, false}));
}

}  // namespace
}  // namespace cantivo::test
