// The command line of cantivo, read into what the host is asked to do.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cantivo/rule_module.h"

namespace cantivo::host {

enum class HostAction { kRun, kHelp, kVersion, kListStyles, kOptions };
enum class ReportFormat { kNone, kText, kJson };

// Bars counted from 1, both ends included.
struct BarRange {
    std::uint32_t first = 1;
    std::uint32_t last = 1;
};

// Options settings changed for one run, not saved.
struct OptionsOverrides {
    // Per thinning kind (tempo, expression, wheel, modulation, pan): 0 off,
    // else on with that smallest change kept.
    std::array<std::optional<std::int32_t>, 5> thinning;
    std::optional<std::uint8_t> expressionController;
    std::optional<std::uint8_t> phraseController;
    std::optional<std::int32_t> phraseThreshold;

    bool Any() const;
};

struct HostOptions {
    HostAction action = HostAction::kRun;
    // One file, or several files and folders of files for a batch.
    std::vector<std::string> inputs;
    std::string output;     // empty: no MIDI file written; a folder for a batch
    std::string pianoRoll;  // empty: no picture
    std::optional<BarRange> bars;  // of the piano roll; none: the whole file
    ReportFormat report = ReportFormat::kNone;
    bool useCom = false;  // the Windows build: CoCreateInstance instead of the DLL's factory
    unsigned jobs = 1;    // files of a batch processed at once

    // The style: named here, or a style file anywhere, or taken from a state
    // file, or a state file and a style (the style wins).
    std::string styleFolder;
    std::string styleName;
    std::string styleFile;
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

    OptionsOverrides optionsOverrides;
    // `cantivo options NAME=VALUE...`: the settings to save.
    std::vector<std::string> optionAssignments;

    // The options above that shape the filter's settings, as given: a batch
    // hands them on to the run of each file.
    std::vector<std::string> settingArguments;
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
inline constexpr unsigned kMaxJobs = 64;
inline constexpr std::uint32_t kMaxBar = 99999;
inline constexpr std::uint8_t kMaxController = 127;
inline constexpr std::uint32_t kMinThinning = 2;
inline constexpr std::uint32_t kMaxThinning = 64;

}  // namespace cantivo::host
