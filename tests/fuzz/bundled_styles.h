// The bundled style library's files, read once into memory: what the
// processing-run harnesses load instead of reading a file per input.
#pragma once

#include <cstdint>
#include <vector>

namespace cantivo::fuzz {

// Every .cnv under the module folder's STYLES, in a fixed order; never empty.
const std::vector<std::vector<std::uint8_t>>& BundledStyles();

}  // namespace cantivo::fuzz
