// Style files for tests, made with the style writer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "styles/style_file.h"
#include "tests/support/temp_folder.h"

namespace cantivo::test {

// Three slots: "Swing feel" (module 40, data "abc"), "Humanize" (module 41,
// disabled, no data) and "Accent" (module 42, four bytes); parameters 1, 2, 3,
// 6 and 7 used; a description with one axis preset and a variable label.
StyleFile SampleStyle();

StyleSlotRecord Slot(const std::string& label, std::uint16_t module, std::vector<std::uint8_t> data,
                     std::uint8_t disabled = 0);

// Writes the bytes as module folder + STYLES\<styleFolder>\<fileName>.
void InstallStyleFile(const TempFolder& moduleFolder, const std::string& styleFolder, const std::string& fileName,
                      const std::vector<std::uint8_t>& bytes);

}  // namespace cantivo::test
