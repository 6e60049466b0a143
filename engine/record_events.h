// Event records back to host events, one route per kind of record: output
// takes a batch's records route by route, so that no jump depends on a
// record's kind. Each writes the event in place, field by field.
#pragma once

#include <array>
#include <cstdint>

#include "cantivo/mfx.h"
#include "engine/packed_record.h"

namespace cantivo {

enum RecordRoute : std::uint8_t { kNoteRoute, kControllerRoute, kWheelRoute, kMetaRoute, kRouteCount };

// Notes and wheels by their kind byte; phrase markers, tempo, deleted records
// and note-offs (0x80) take the meta route; every other status goes out as a controller.
inline constexpr auto kRouteOfKind = [] {
    std::array<RecordRoute, 256> routes{};
    for (int kind = 0; kind < 256; ++kind) {
        routes[kind] = kind < 0x80                         ? kNoteRoute
                       : (kind & 0xF0) == 0xE0             ? kWheelRoute
                       : kind == 0x80 || kind == kMetaKind ? kMetaRoute
                                                           : kControllerRoute;
    }
    return routes;
}();

inline void StartEvent(PackedRecord r, std::uint8_t port, HostEvent& event) {
    event = HostEvent{};
    event.time = static_cast<std::int32_t>(r.Time());
    event.port = port;
}

inline void NoteEvent(PackedRecord r, std::uint8_t port, HostEvent& event) {
    StartEvent(r, port, event);
    event.type = kHostNote;
    event.channel = r.Data(3) & 0x0F;
    event.note.key = r.Kind();
    event.note.velocity = r.Data(0);
    event.note.releaseVelocity = 64;
    event.duration = r.Data(1) | r.Data(2) << 8;
}

inline void ControllerEvent(PackedRecord r, std::uint8_t port, HostEvent& event) {
    StartEvent(r, port, event);
    event.type = kHostController;
    event.channel = r.Kind() & 0x0F;
    ControllerNumber(event) = r.Data(0);
    ControllerValue(event) = r.Data(1);
}

inline void WheelEvent(PackedRecord r, std::uint8_t port, HostEvent& event) {
    StartEvent(r, port, event);
    event.type = kHostWheel;
    event.channel = r.Kind() & 0x0F;
    event.wheel = static_cast<std::int16_t>(r.WheelValue() * 32);
}

// Phrase markers go out as the Options' marker controller on the channel of
// the last marker taken in; false for the records of the route that never go out.
bool MetaEvent(PackedRecord r, std::uint8_t port, std::uint8_t markerChannel, std::uint8_t markerController,
               HostEvent& event);

}  // namespace cantivo
