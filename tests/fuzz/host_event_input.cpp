#include "tests/fuzz/host_event_input.h"

#include "midi/host_events.h"

namespace cantivo::fuzz {

namespace {

// The selector byte: the host types the filter knows first, then any other type as itself.
constexpr std::int32_t kSelectedTypes[] = {kHostNote, kHostController, kHostWheel, midi::kHostKeptEvent};
constexpr std::uint8_t kSelectorCount = 4;

#pragma pack(push, 1)
struct EventInput {
    std::uint8_t selector;
    std::int32_t time;
    std::uint8_t port;
    std::uint8_t channel;
    std::uint8_t key;
    std::uint8_t velocity;
    std::int32_t duration;
    std::int16_t wheel;
    std::uint32_t hostTag;
};
#pragma pack(pop)

}  // namespace

std::vector<HostEvent> TakeHostEvents(InputReader& input, std::size_t limit) {
    std::vector<HostEvent> events;
    while (events.size() < limit && input.Remaining() >= sizeof(EventInput)) {
        const auto in = input.Take<EventInput>();
        HostEvent event{};
        event.type = in.selector < kSelectorCount ? kSelectedTypes[in.selector] : in.selector;
        event.time = in.time;
        event.port = in.port;
        event.channel = in.channel;
        event.duration = in.duration;
        event.hostTag = in.hostTag;
        if (event.type == kHostWheel) {
            event.wheel = in.wheel;
        } else {
            event.note.key = in.key;
            event.note.velocity = in.velocity;
        }
        events.push_back(event);
    }
    return events;
}

void AppendHostEvents(std::span<const HostEvent> events, std::vector<std::uint8_t>& bytes) {
    for (const HostEvent& event : events) {
        EventInput in{};
        in.selector = static_cast<std::uint8_t>(event.type);
        for (std::uint8_t k = 0; k < kSelectorCount; ++k) {
            if (kSelectedTypes[k] == event.type) in.selector = k;
        }
        in.time = event.time;
        in.port = event.port;
        in.channel = event.channel;
        in.duration = event.duration;
        in.hostTag = event.hostTag;
        if (event.type == kHostWheel) {
            in.wheel = event.wheel;
        } else {
            in.key = event.note.key;
            in.velocity = event.note.velocity;
        }
        const auto* raw = reinterpret_cast<const std::uint8_t*>(&in);
        bytes.insert(bytes.end(), raw, raw + sizeof in);
    }
}

}  // namespace cantivo::fuzz
