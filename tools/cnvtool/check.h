// What a style file holds and, in a user's words, everything in it that the
// style loader would refuse: the magics, the header length, the checksum, the
// slot count and each slot's lengths, and where the file ends too early.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace cantivo::tools {

struct StyleCheck {
    std::string contents;               // field by field, slot by slot
    std::vector<std::string> problems;  // none when the loader takes the file
};

StyleCheck CheckStyleFile(std::span<const std::uint8_t> bytes);

// The contents, then the problems or that the file is fine.
std::string FormatCheck(const StyleCheck& check);

}  // namespace cantivo::tools
