#include "tools/cantivo/filter_run.h"

#include <algorithm>

#include "midi/host_events.h"
#include "tools/host/event_queue.h"
#include "tools/host/host_services.h"
#include "tools/host/memory_stream.h"

namespace cantivo::host {

namespace {

std::string Hex(HRESULT result) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text = "0x";
    for (int shift = 28; shift >= 0; shift -= 4) text += digits[(static_cast<std::uint32_t>(result) >> shift) & 15];
    return text;
}

bool LoadSettings(IMfxEventFilter& filter, const SettingsBytes& settings, std::string& problem) {
    IPersistStream* persist = nullptr;
    HRESULT result = filter.QueryInterface(IID_IPersistStream, reinterpret_cast<void**>(&persist));
    if (FAILED(result) || !persist) {
        problem = "the filter has no IPersistStream (" + Hex(result) + ")";
        return false;
    }
    MemoryStream stream(settings);
    result = persist->Load(&stream);
    persist->Release();
    if (result != S_OK) {
        problem = "the filter did not take its settings (" + Hex(result) + ")";
        return false;
    }
    return true;
}

std::optional<midi::MidiTrack> ProcessTrack(IMfxEventFilter& filter, const midi::MidiTrack& track,
                                            std::string& problem) {
    EventQueue input(midi::ToHostEvents(track));
    EventQueue output;
    const auto end = static_cast<std::int32_t>(std::min<std::uint32_t>(track.endTime, INT32_MAX));
    const HRESULT result = filter.ProcessEvents(0, end, &input, &output);
    if (FAILED(result)) {
        problem = "processing failed (" + Hex(result) + ")";
        return std::nullopt;
    }
    return midi::FromHostEvents(track, output.events);
}

}  // namespace

bool HasChannelEvents(const midi::MidiTrack& track) {
    return std::any_of(track.events.begin(), track.events.end(),
                       [](const midi::MidiEvent& e) { return e.kind != midi::MidiEventKind::Other; });
}

std::optional<midi::MidiFile> RunFilter(IMfxEventFilter& filter, const midi::MidiFile& input,
                                        const SettingsBytes& settings, std::string& problem) {
    Sequencer sequencer(input);
    // Connect starts the filter afresh, so the settings come after it.
    const HRESULT connected = filter.Connect(&sequencer);
    if (FAILED(connected)) {
        problem = "the filter refused to connect (" + Hex(connected) + ")";
        return std::nullopt;
    }
    midi::MidiFile output{1, input.division, {}};
    bool ok = LoadSettings(filter, settings, problem);
    for (std::size_t t = 0; ok && t < input.tracks.size(); ++t) {
        const midi::MidiTrack& track = input.tracks[t];
        if (!HasChannelEvents(track)) {
            output.tracks.push_back(track);
            continue;
        }
        auto processed = ProcessTrack(filter, track, problem);
        if (!processed) {
            problem = "track " + std::to_string(t + 1) + ": " + problem;
            ok = false;
            break;
        }
        output.tracks.push_back(std::move(*processed));
    }
    filter.Disconnect();
    if (!ok) return std::nullopt;
    return output;
}

}  // namespace cantivo::host
