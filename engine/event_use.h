// What intake makes of a host event of each type: a record of one of three
// kinds, or nothing, when the event goes straight to the output. Output's
// pass-through asks the same, so as not to send a forwarded event twice.
#pragma once

#include <cstdint>
#include <iterator>

#include "cantivo/mfx.h"

namespace cantivo {

enum EventUse : std::uint8_t { kForwardUse, kNoteUse, kControllerUse, kWheelUse, kUseCount };

// A table rather than jumps: intake takes events route by route.
inline EventUse UseOf(std::int32_t type) {
    constexpr EventUse kUseOfType[] = {kNoteUse,    kForwardUse, kControllerUse, kForwardUse,
                                       kForwardUse, kWheelUse,   kForwardUse,    kForwardUse};
    static_assert(kUseOfType[kHostNote] == kNoteUse && kUseOfType[kHostController] == kControllerUse &&
                  kUseOfType[kHostWheel] == kWheelUse);
    const auto t = static_cast<std::uint32_t>(type);
    return t < std::size(kUseOfType) ? kUseOfType[t] : kForwardUse;
}

}  // namespace cantivo
