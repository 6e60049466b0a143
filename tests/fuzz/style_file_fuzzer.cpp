// A style file read on its own, then loaded through the filter (its checksum
// made to hold, so the slots get read) and run over the example's opening.
#include <cstdint>
#include <cstring>
#include <vector>

#include "styles/style_file.h"
#include "styles/style_loader.h"
#include "tests/fuzz/harness.h"

using namespace cantivo;

namespace {

void MakeChecksumHold(std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < kHeaderOffset + sizeof(StyleFileHeader)) return;
    StyleFileHeader header;
    std::memcpy(&header, bytes.data() + kHeaderOffset, sizeof header);
    bytes[kHeaderOffset + offsetof(StyleFileHeader, bChecksum)] = HeaderChecksum(header);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> bytes(data, data + size);
    StyleFile style;
    ReadStyleFile(bytes, style);

    MakeChecksumHold(bytes);
    fuzz::HarnessFilter filter(fuzz::OurResidentModules());
    if (!LoadStyleBytes(*filter, bytes, nullptr, true, false)) return 0;
    filter.Run(fuzz::ExamplePhrase());
    return 0;
}
