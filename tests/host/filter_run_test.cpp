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
        calls.push_back("Connect");
        IHostMeter* meter = nullptr;
        if (FAILED(host->QueryInterface(IID_IHostMeter, reinterpret_cast<void**>(&meter)))) return E_FAIL;
        std::int32_t first = 0;
        meter->GetMeter(0, &first, &beats, &beatUnitPower);
        meter->Release();
        return connectResult;
    }
    HRESULT STDMETHODCALLTYPE Disconnect() override {
        calls.push_back("Disconnect");
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnStart(std::int32_t) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnLoop(std::int32_t, std::int32_t) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnStop(std::int32_t) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE ProcessEvents(std::int32_t, std::int32_t, IHostEventQueue* input,
                                            IHostEventQueue* output) override {
        std::int32_t count = 0;
        input->GetCount(&count);
        calls.push_back("ProcessEvents " + std::to_string(count));
        for (std::int32_t i = 0; i < count; ++i) {
            HostEvent event{};
            input->GetAt(i, &event);
            if (event.type == kHostNote) event.time += shift;
            output->Add(&event);
        }
        return static_cast<int>(calls.size()) == failProcessingAtCall ? E_FAIL : S_OK;
    }
    HRESULT STDMETHODCALLTYPE CopyEvents(IHostEventQueue*, IHostEventQueue*) override { return E_NOTIMPL; }

    HRESULT STDMETHODCALLTYPE GetClassID(CLSID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE IsDirty() override { return S_FALSE; }
    HRESULT STDMETHODCALLTYPE Load(IStream* stream) override {
        calls.push_back("Load");
        loaded.resize(700);
        ULONG read = 0;
        stream->Read(loaded.data(), static_cast<ULONG>(loaded.size()), &read);
        loaded.resize(read);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Save(IStream*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetSizeMax(ULARGE_INTEGER*) override { return E_NOTIMPL; }

    std::vector<std::string> calls;
    std::vector<std::uint8_t> loaded;
    std::int32_t beats = 0;
    std::int32_t beatUnitPower = 0;
    std::int32_t shift = 0;
    HRESULT connectResult = S_OK;
    int failProcessingAtCall = -1;
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

SettingsBytes SomeSettings() {
    SettingsBytes bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7);
    return bytes;
}

TEST(FilterRun, ConnectsLoadsProcessesEachTrackWithChannelEventsAndDisconnects) {
    RecordingFilter filter;
    filter.shift = 5;
    std::string problem;
    const MidiFile input = SmallFile();
    const auto output = RunFilter(filter, input, SomeSettings(), problem);
    ASSERT_TRUE(output) << problem;
    EXPECT_EQ(filter.calls, (std::vector<std::string>{"Connect", "Load", "ProcessEvents 4", "Disconnect"}));
    const SettingsBytes settings = SomeSettings();
    EXPECT_EQ(filter.loaded, std::vector<std::uint8_t>(settings.begin(), settings.end()));
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

TEST(FilterRun, AFilterThatRefusesAStepEndsTheRunAndSaysWhich) {
    RecordingFilter refusing;
    refusing.connectResult = E_FAIL;
    std::string problem;
    EXPECT_FALSE(RunFilter(refusing, SmallFile(), SomeSettings(), problem));
    EXPECT_EQ(problem, "the filter refused to connect (0x80004005)");
    EXPECT_EQ(refusing.calls, std::vector<std::string>{"Connect"});

    RecordingFilter failing;
    failing.failProcessingAtCall = 3;
    EXPECT_FALSE(RunFilter(failing, SmallFile(), SomeSettings(), problem));
    EXPECT_EQ(problem, "track 1: processing failed (0x80004005)");
    EXPECT_EQ(failing.calls.back(), "Disconnect");
}

}  // namespace
}  // namespace cantivo::host
