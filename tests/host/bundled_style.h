// The bundled style the host's tests run, and the example piece.
#pragma once

namespace cantivo::test {

inline constexpr const char* kBundledStyleFolder = "Example";
inline constexpr const char* kBundledStyleName = "Phrasing";
inline constexpr const char* kExampleMidi = CANTIVO_EXAMPLE_MIDI;

}  // namespace cantivo::test
