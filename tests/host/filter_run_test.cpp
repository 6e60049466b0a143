#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "cantivo/com_object.h"
#include "tools/cantivo/filter_run.h"

namespace cantivo::host {
namespace {

using midi::MidiEvent;
using midi::MidiEventKind;
using midi::MidiFile;

// A filter that writes down what the host asks of it, and passes events on.
class RecordingFilter final : public HeldComObject<IMfxEventFilter, IPersistStream> {
public:
    HRESULT STDMETHODCALLTYPE Connect(IUnknown* host) override {
        IHostMeter* meter = nullptr;
        if (FAILED(host->QueryInterface(IID_IHostMeter, reinterpret_cast<void**>(&meter)))) return E_FAIL;
        std::int32_t first = 0;
        meter->GetMeter(0, &first, &beats, &beatUnitPower);
        meter->Release();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Disconnect() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnStart(std::int32_t) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnLoop(std::int32_t, std::int32_t) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnStop(std::int32_t) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE ProcessEvents(std::int32_t, std::int32_t, IHostEventQueue* input,
                                            IHostEventQueue* output) override {
        std::int32_t count = 0;
        input->GetCount(&count);
        processedCounts.push_back(count);
        for (std::int32_t i = 0; i < count; ++i) {
            HostEvent event{};
            input->GetAt(i, &event);
            if (event.type == kHostNote) event.time += shift;
            output->Add(&event);
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE CopyEvents(IHostEventQueue*, IHostEventQueue*) override { return E_NOTIMPL; }

    HRESULT STDMETHODCALLTYPE GetClassID(CLSID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE IsDirty() override { return S_FALSE; }
    HRESULT STDMETHODCALLTYPE Load(IStream*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Save(IStream*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetSizeMax(ULARGE_INTEGER*) override { return E_NOTIMPL; }

    std::vector<std::int32_t> processedCounts;
    std::int32_t beats = 0;
    std::int32_t beatUnitPower = 0;
    std::int32_t shift = 0;
};

MidiFile SmallFile() {
    MidiFile file{1, 240, {}};
    midi::MidiTrack track;
    track.events = {midi::MakeMeta(0, midi::kMetaTimeSignature, {6, 3, 24, 8}), midi::MakeNote(0, 1, 60, 90, 120),
                    midi::MakeController(0, 1, 7, 100), midi::MakeNote(240, 1, 62, 80, 120)};
    track.endTime = 480;
    file.tracks = {track, midi::MidiTrack{{midi::MakeMeta(0, midi::kMetaTrackName, {'x'})}, 0}};
    return file;
}

TEST(FilterRun, HandsTheFilterTheMeterAndEachTrackWithChannelEvents) {
    RecordingFilter filter;
    filter.shift = 5;
    std::string problem;
    const MidiFile input = SmallFile();
    const auto output = RunFilter(filter, input, SettingsBytes{}, problem);
    ASSERT_TRUE(output) << problem;
    EXPECT_EQ(filter.processedCounts, std::vector<std::int32_t>{4});  // the name track is copied, not processed
    EXPECT_EQ((std::array{filter.beats, filter.beatUnitPower}), (std::array{6, 3}));

    EXPECT_EQ((std::pair{+output->format, +output->division}), (std::pair{1, 240}));
    ASSERT_EQ(output->tracks.size(), 2u);
    EXPECT_EQ(output->tracks[1], input.tracks[1]);
    std::vector<std::uint32_t> noteTimes;
    for (const MidiEvent& e : output->tracks[0].events)
        if (e.kind == MidiEventKind::Note) noteTimes.push_back(e.time);
    EXPECT_EQ(noteTimes, (std::vector<std::uint32_t>{5, 245}));
    EXPECT_TRUE(output->tracks[0].events[0].IsMeta(midi::kMetaTimeSignature));
}

}  // namespace
}  // namespace cantivo::host
