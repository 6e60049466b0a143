// A processing run over arbitrary host events, with one of the bundled styles
// and arbitrary depths, randomness and mutes.
#include <cstdint>

#include "styles/style_loader.h"
#include "tests/fuzz/harness.h"

using namespace cantivo;

namespace {
// Enough events for two growths of the event block would make each input slow;
// growth has its own test.
constexpr std::size_t kMaxEvents = 4096;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::InputReader input({data, size});
    const auto& styles = fuzz::BundledStyles();
    const auto& style = styles[input.Take<std::uint8_t>() % styles.size()];
    const auto muted = input.Take<std::uint8_t>();
    const auto params = input.Take<ParamSettings>();

    fuzz::HarnessFilter filter(fuzz::OurResidentModules());
    if (!LoadStyleBytes(*filter, style, nullptr, true, false)) std::abort();
    filter->m_Params = params;
    for (int k = 0; k < kParameterCount; ++k) filter->m_abMuted[k] = (muted >> k) & 1;
    filter.Run(fuzz::TakeHostEvents(input, kMaxEvents));
    return 0;
}
