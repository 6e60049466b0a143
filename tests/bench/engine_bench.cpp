// The cost of a processing run beside its two floors: the sort alone and the
// pass-through alone, over the same material.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>

#include "engine/midi_filter.h"
#include "engine/module_folder.h"
#include "engine/record_order.h"
#include "options/options_settings.h"
#include "platform/message_box.h"
#include "tests/support/host_doubles.h"
#include "tests/support/owned_filter.h"
#include "tests/support/records.h"
#include "tests/support/temp_folder.h"
#include "tools/host/event_queue.h"

namespace cantivo::test {
namespace {

// A band's worth of material: notes with expression, pan, wheel and modulation moves.
std::vector<HostEvent> Material(std::size_t count, unsigned seed = 1234) {
    std::mt19937 random(seed);
    std::vector<HostEvent> events;
    events.reserve(count);
    std::int32_t time = 0;
    while (events.size() < count) {
        const auto channel = static_cast<std::uint8_t>(random() % 4);
        switch (random() % 10) {
            case 0: case 1: case 2: case 3:
                events.push_back(Note(time, static_cast<std::uint8_t>(40 + random() % 48),
                                      static_cast<std::uint8_t>(40 + random() % 80), 60 + random() % 900, channel));
                break;
            case 4: case 5: events.push_back(Controller(time, 11, static_cast<std::uint8_t>(random() % 128), channel)); break;
            case 6: events.push_back(Controller(time, 10, static_cast<std::uint8_t>(random() % 128), channel)); break;
            case 7: case 8:
                events.push_back(Wheel(time, static_cast<std::int16_t>(static_cast<int>(random() % 16384) - 8192), channel));
                break;
            default: events.push_back(Controller(time, 1, static_cast<std::uint8_t>(random() % 128), channel)); break;
        }
        time += static_cast<std::int32_t>(random() % 30);
    }
    return events;
}

// The records intake makes of the material, in the host's order.
std::vector<EventRecord> Unsorted(const std::vector<HostEvent>& events) {
    std::vector<EventRecord> records;
    for (const HostEvent& e : events) {
        switch (e.type) {
            case kHostNote:
                records.push_back(NoteRecord(e.time, e.note.key, e.note.velocity,
                                             static_cast<std::uint16_t>(e.duration), e.channel));
                break;
            case kHostWheel: records.push_back(WheelRecord(e.time, e.wheel / 32, e.channel)); break;
            default: records.push_back(ControllerRecord(e.time, e.note.key, e.note.velocity, e.channel)); break;
        }
    }
    records.push_back(MetaRecord(events.back().time, kEndRecord));
    return records;
}

struct ConnectedFilter {
    ConnectedFilter() {
        platform::SetMessageBoxHandler([](const std::string&, unsigned) { return 1; });
        folder.Touch("R0.DLL");
        SetModuleFolder(folder.Path());
        host.AddRef();
        filter->Connect(&host);
        g_Options = {11, 100, 0, 1, 2, 1, 2, 1, 2, 1, 5, 1, 5};
    }
    ~ConnectedFilter() { filter->Disconnect(); }
    TempFolder folder;
    TestHost host;
    OwnedFilter filter = NewFilter();
};

// Chunks that differ from run to run, about 2^20 events in all, as a host's
// do: a chunk played again and again would let the branch predictor learn it.
std::vector<host::EventQueue> Chunks(std::size_t size) {
    std::vector<host::EventQueue> chunks(std::max<std::size_t>(1, (std::size_t{1} << 20) / size));
    for (std::size_t i = 0; i < chunks.size(); ++i) chunks[i].events = Material(size, static_cast<unsigned>(1234 + i));
    return chunks;
}

void Run(benchmark::State& state, bool bypass) {
    ConnectedFilter connected;
    connected.filter->m_bBypass = bypass ? 1 : 0;
    const auto size = static_cast<std::size_t>(state.range(0));
    std::vector<host::EventQueue> chunks = Chunks(size);
    host::EventQueue out;
    out.events.reserve(size * 2);
    std::size_t next = 0;
    for (auto _ : state) {
        out.events.clear();
        connected.filter->ProcessEvents(0, 0, &chunks[next], &out);
        next = (next + 1) % chunks.size();
        benchmark::DoNotOptimize(out.events.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_ProcessEvents(benchmark::State& state) { Run(state, false); }
void BM_PassThrough(benchmark::State& state) { Run(state, true); }

void BM_SortOnly(benchmark::State& state) {
    const auto unsorted = Unsorted(Material(static_cast<std::size_t>(state.range(0))));
    std::vector<EventRecord> records(unsorted.size());
    for (auto _ : state) {
        records = unsorted;
        SortRecords(records.data(), records.size());
        benchmark::DoNotOptimize(records.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_ProcessEvents)->Arg(64)->RangeMultiplier(10)->Range(1000, 1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SortOnly)->Arg(64)->RangeMultiplier(10)->Range(1000, 1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PassThrough)->Arg(64)->RangeMultiplier(10)->Range(1000, 1000000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace cantivo::test

BENCHMARK_MAIN();
