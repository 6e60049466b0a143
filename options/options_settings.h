// The plug-in-wide Options settings, named after their registry values.
// One set per loaded plug-in, read by the engine on every run.
#pragma once

#include <array>
#include <cstdint>

namespace cantivo {

struct OptionsSettings {
    std::uint8_t VolB = 11;    // controller that carries "Expression*"
    std::uint8_t Ctrl = 100;   // phrase-marker controller
    std::int32_t PhrT = 0;
    // Thinning switches and smallest changes kept: tempo, expression, wheel,
    // modulation, pan. All off until the first load.
    std::int32_t BITmp = 0;
    std::int32_t ITmp = 0;
    std::int32_t BIVol = 0;
    std::int32_t IVol = 0;
    std::int32_t BIPch = 0;
    std::int32_t IPch = 0;
    std::int32_t BIModW = 0;
    std::int32_t IModW = 0;
    std::int32_t BIPan = 0;
    std::int32_t IPan = 0;

    bool operator==(const OptionsSettings&) const = default;
};

extern OptionsSettings g_Options;

// The thinning settings as five pairs of a switch and the smallest change kept.
struct ThinningPair {
    std::int32_t OptionsSettings::*on;
    std::int32_t OptionsSettings::*threshold;
};
enum ThinningPairIndex { kThinTempo, kThinExpression, kThinWheel, kThinModulation, kThinPan, kThinningKinds };
inline constexpr std::array<ThinningPair, kThinningKinds> kThinningPairs = {{
    {&OptionsSettings::BITmp, &OptionsSettings::ITmp},
    {&OptionsSettings::BIVol, &OptionsSettings::IVol},
    {&OptionsSettings::BIPch, &OptionsSettings::IPch},
    {&OptionsSettings::BIModW, &OptionsSettings::IModW},
    {&OptionsSettings::BIPan, &OptionsSettings::IPan},
}};

constexpr const char* kOptionsKeyPath = "Software\\KELMAR\\QVB20x64\\Options";

// Registry failures never surface: a value that cannot be read takes its
// default, one that cannot be written is skipped.
void LoadOptionsSettings();
void SaveOptionsSettings();

}  // namespace cantivo
