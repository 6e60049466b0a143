#include "engine/record_events.h"

namespace cantivo {

bool MetaEvent(PackedRecord r, std::uint8_t port, std::uint8_t markerChannel, std::uint8_t markerController,
               HostEvent& event) {
    if (r.Kind() != kMetaKind || r.Data(0) != kPhraseMarker) return false;
    StartEvent(r, port, event);
    event.type = kHostController;
    event.channel = markerChannel;
    ControllerNumber(event) = markerController;
    ControllerValue(event) = r.Data(1) ? 94 : 32;
    return true;
}

}  // namespace cantivo
