#include "midi/host_events.h"

#include <algorithm>
#include <deque>
#include <limits>
#include <map>
#include <tuple>

namespace cantivo::midi {

namespace {

constexpr std::int32_t kLatestTime = std::numeric_limits<std::int32_t>::max();

// What makes two events counterparts: time, kind, channel, key or controller.
using Identity = std::tuple<std::uint32_t, MidiEventKind, std::uint8_t, std::uint8_t>;

Identity IdentityOf(const MidiEvent& e) {
    return {e.time, e.kind, e.channel, e.kind == MidiEventKind::Note ? e.key : e.controller};
}

struct Placed {
    std::size_t anchor;  // index of the counterpart in the source; after all of them when none
    MidiEvent event;
};

}  // namespace

std::vector<HostEvent> ToHostEvents(const MidiTrack& track, std::uint8_t port) {
    std::vector<HostEvent> events;
    events.reserve(track.events.size());
    for (std::size_t index = 0; index < track.events.size(); ++index) {
        const MidiEvent& e = track.events[index];
        HostEvent h{};
        h.time = static_cast<std::int32_t>(e.time);
        h.port = port;
        h.channel = e.channel;
        h.hostTag = static_cast<std::uint32_t>(index + 1);
        switch (e.kind) {
            case MidiEventKind::Note:
                h.type = kHostNote;
                h.note.key = e.key;
                h.note.velocity = e.velocity;
                h.note.releaseVelocity = e.releaseVelocity;
                h.duration = static_cast<std::int32_t>(e.duration);
                break;
            case MidiEventKind::Controller:
                h.type = kHostController;
                ControllerNumber(h) = e.controller;
                ControllerValue(h) = e.value;
                break;
            case MidiEventKind::PitchWheel:
                h.type = kHostWheel;
                h.wheel = e.wheel;
                break;
            case MidiEventKind::Other:
                h.type = kHostKeptEvent;
                h.channel = e.status < 0xF0 ? e.status & 0x0F : 0;
                break;
        }
        events.push_back(h);
    }
    return events;
}

MidiTrack FromHostEvents(const MidiTrack& source, std::span<const HostEvent> events) {
    std::map<Identity, std::deque<std::size_t>> counterparts;
    for (std::size_t index = 0; index < source.events.size(); ++index) {
        if (source.events[index].kind != MidiEventKind::Other) counterparts[IdentityOf(source.events[index])].push_back(index);
    }
    std::vector<bool> kept(source.events.size(), false);
    constexpr std::size_t kNoCounterpart = std::numeric_limits<std::size_t>::max();

    std::vector<Placed> placed;
    placed.reserve(events.size());
    for (const HostEvent& h : events) {
        // Copies: the packed fields bind to no reference.
        const std::int32_t hostTime = h.time;
        const std::int32_t hostDuration = h.duration;
        const auto time = static_cast<std::uint32_t>(std::max(hostTime, 0));
        const std::uint8_t channel = h.channel & 0x0F;
        MidiEvent e;
        switch (h.type) {
            case kHostNote: {
                const std::int32_t duration = std::clamp(hostDuration, 0, kLatestTime - static_cast<std::int32_t>(time));
                e = MakeNote(time, channel, h.note.key, h.note.velocity, static_cast<std::uint32_t>(duration),
                             h.note.releaseVelocity);
                break;
            }
            case kHostController: e = MakeController(time, channel, h.note.key, h.note.velocity); break;
            case kHostWheel: e = MakePitchWheel(time, channel, h.wheel); break;
            case kHostKeptEvent: {
                const std::size_t index = h.hostTag - std::size_t{1};
                if (h.hostTag == 0 || index >= source.events.size() || kept[index] ||
                    source.events[index].kind != MidiEventKind::Other) {
                    continue;
                }
                kept[index] = true;
                e = source.events[index];
                e.time = time;
                placed.push_back({index, std::move(e)});
                continue;
            }
            default: continue;
        }
        std::size_t anchor = kNoCounterpart;
        if (auto match = counterparts.find(IdentityOf(e)); match != counterparts.end() && !match->second.empty()) {
            anchor = match->second.front();
            match->second.pop_front();
        }
        placed.push_back({anchor, std::move(e)});
    }

    std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
        return a.event.time != b.event.time ? a.event.time < b.event.time : a.anchor < b.anchor;
    });
    MidiTrack track;
    track.endTime = source.endTime;
    track.events.reserve(placed.size());
    for (Placed& p : placed) track.events.push_back(std::move(p.event));
    return track;
}

}  // namespace cantivo::midi
