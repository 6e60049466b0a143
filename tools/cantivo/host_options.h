// The command line of cantivo, read into what the host is asked to do.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cantivo/rule_module.h"

namespace cantivo::host {

enum class HostAction { kRun, kHelp, kVersion, kListStyles };

struct HostOptions {
    HostAction action = HostAction::kRun;
    std::string input;
    std::string output;     // empty: no MIDI file written
    std::string pianoRoll;  // empty: no picture
    bool report = false;
    bool useCom = false;  // the Windows build: CoCreateInstance instead of the DLL's factory

    // The style: named here, or taken from a state file, or both (the name wins).
    std::string styleFolder;
    std::string styleName;
    std::string stateFile;
    std::string saveState;  // where to write the settings handed to the filter

    // Per parameter index 0..7; unset entries keep the record's value.
    std::array<std::optional<std::uint16_t>, kParameterCount> depth;
    std::array<std::optional<std::uint16_t>, kParameterCount> random;
    std::array<std::optional<bool>, kParameterCount> muted;

    // Initial values: a fixed value replaces the material's own.
    std::optional<std::uint8_t> velocity;
    std::optional<std::uint8_t> expression;
    std::optional<std::uint8_t> pan;
    bool dropWheel = false;
    bool dropModulation = false;
};

struct ParsedCommandLine {
    std::optional<HostOptions> options;  // none: `error` says why
    std::string error;
};

// Arguments without the program name. Long options take their value as the
// next argument or after '='.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args);

std::string UsageText();

inline constexpr std::uint16_t kMaxDepth = 200;
inline constexpr std::uint16_t kMaxRandom = 30;
inline constexpr std::uint16_t kMaxInitialValue = 127;
inline constexpr std::size_t kMaxStyleNameLength = 259;

}  // namespace cantivo::host
