// cantivo: a command-line host for the Cantivo filter. It drives the filter
// the way a sequencer does, through IMfxEventFilter and IPersistStream alone.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "midi/midi_file_io.h"
#include "tools/cantivo/batch.h"
#include "tools/cantivo/change_report.h"
#include "tools/cantivo/filter_run.h"
#include "tools/cantivo/filter_source.h"
#include "tools/cantivo/host_options.h"
#include "tools/cantivo/input_checks.h"
#include "tools/cantivo/options_command.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "tools/cantivo/piano_roll.h"
#include "tools/cantivo/report_json.h"
#include "tools/cantivo/run_options.h"
#include "tools/cantivo/settings_record.h"
#include "tools/cantivo/staged_style.h"
#include "tools/cantivo/style_choice.h"

namespace {

using namespace cantivo;
using namespace cantivo::host;

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

int Fail(const std::string& problem) {
    std::cerr << "cantivo: " << problem << "\n";
    return kExitFailure;
}

// The filter makes its own folder the current one when it connects, so every
// path the user gave is fixed before that.
std::string Absolute(const std::string& path) {
    if (path.empty()) return path;
    std::error_code error;
    const auto absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.string();
}

std::optional<std::vector<std::uint8_t>> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
}

std::optional<SettingsRecord> Settings(const HostOptions& options, const std::string& moduleFolder,
                                       std::string& problem) {
    std::optional<SettingsRecord> record;
    if (!options.stateFile.empty()) {
        const auto bytes = ReadBytes(options.stateFile);
        if (!bytes) {
            problem = options.stateFile + ": cannot be read";
            return std::nullopt;
        }
        record = SettingsFromBytes(*bytes);
        if (!record) {
            problem = options.stateFile + ": not a state file: " + std::to_string(bytes->size()) +
                      " bytes, expected " + std::to_string(sizeof(SettingsRecord));
            return std::nullopt;
        }
    } else {
        const auto style = ReadStyle(moduleFolder, options.styleFolder, options.styleName, problem);
        if (!style) return std::nullopt;
        record = FreshSettings(style->header.StyleInitial);
    }
    ApplyOptions(*record, options);
    // A state file names its style; it must be there before the filter looks.
    if (!ReadStyle(moduleFolder, FieldText(record->szStyleFolder), FieldText(record->szStyleName), problem))
        return std::nullopt;
    return record;
}

bool WriteBytes(const std::string& path, const void* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    return static_cast<bool>(out.flush());
}

int Run(HostOptions options) {
    std::string& input = options.inputs.front();
    for (std::string* path : {&input, &options.output, &options.pianoRoll, &options.stateFile, &options.saveState,
                              &options.styleFile})
        *path = Absolute(*path);
    const std::string moduleFolder = ProgramFolder();

    const midi::MidiReadResult read = midi::ReadMidiFile(input);
    if (!read.Ok()) return Fail(input + ": " + read.error->Describe());
    for (const midi::MidiProblem& warning : read.warnings)
        std::cerr << "cantivo: " << input << ": warning: " << warning.Describe() << "\n";
    if (const auto reason = UnprocessableReason(read.file)) return Fail(input + ": " + *reason);

    std::string problem;
    std::unique_ptr<StagedStyle> staged;
    if (!options.styleFile.empty()) {
        staged = StagedStyle::Stage(moduleFolder, options.styleFile, problem);
        if (!staged) return Fail(problem);
        options.styleFolder = staged->Folder();
        options.styleName = staged->Name();
    }
    const auto settings = Settings(options, moduleFolder, problem);
    if (!settings) return Fail(problem);

    const FilterOptions filterOptions{OptionsInForce(options.optionsOverrides), options.optionsOverrides.Any()};
    auto source = ObtainFilter(options.useCom, filterOptions, problem);
    if (!source) return Fail(problem);
    const auto output = RunFilter(source->Filter(), read.file, ToBytes(*settings), problem);
    source.reset();
    if (!output) return Fail(problem);

    if (!options.output.empty() && !midi::WriteMidiFile(options.output, *output))
        return Fail(options.output + ": cannot be written");
    if (!options.pianoRoll.empty()) {
        const std::string svg = PianoRollSvg(read.file, *output, options.bars);
        if (!WriteBytes(options.pianoRoll, svg.data(), svg.size())) return Fail(options.pianoRoll + ": cannot be written");
    }
    if (!options.saveState.empty()) {
        const SettingsBytes bytes = ToBytes(*settings);
        if (!WriteBytes(options.saveState, bytes.data(), bytes.size()))
            return Fail(options.saveState + ": cannot be written");
    }
    if (options.report == ReportFormat::kText)
        std::cout << FormatReport(CompareFiles(read.file, *output)) << "Options: " << OptionsLine(filterOptions.settings)
                  << "\n";
    if (options.report == ReportFormat::kJson) {
        auto report = ReportJson(CompareFiles(read.file, *output));
        report["options"] = OptionsJson(filterOptions.settings);
        std::cout << JsonText(report);
    }
    return std::cout.flush() ? 0 : kExitFailure;
}

// Shows the user's Options, or checks and saves the ones given.
int OptionsCommand(const std::vector<std::string>& assignments) {
    LoadOptionsSettings();
    if (!assignments.empty()) {
        if (const auto refused = AssignOptions(assignments, g_Options)) {
            std::cerr << "cantivo: options: " << *refused << "\n";
            return kExitUsage;
        }
        SaveOptionsSettings();
    }
    std::cout << OptionsListing(g_Options);
    return std::cout.flush() ? 0 : kExitFailure;
}

}  // namespace

int main(int argc, char** argv) {
    platform::KeepCurrentUserBetweenRuns();
    const ParsedCommandLine parsed = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.options) {
        std::cerr << "cantivo: " << parsed.error << "\nTry 'cantivo --help' for more information.\n";
        return kExitUsage;
    }
    switch (parsed.options->action) {
    case HostAction::kHelp: std::cout << UsageText(); return 0;
    case HostAction::kVersion: std::cout << "cantivo " << CANTIVO_VERSION << "\n"; return 0;
    case HostAction::kListStyles: {
        const std::string listing = StyleListing(ProgramFolder());
        if (listing.empty()) return Fail("no style folders in " + ProgramFolder() + "STYLES");
        std::cout << listing;
        return 0;
    }
    case HostAction::kOptions: return OptionsCommand(parsed.options->optionAssignments);
    case HostAction::kRun: break;
    }
    if (!IsBatch(*parsed.options)) return Run(*parsed.options);
    if (const auto problem = BatchUsageProblem(*parsed.options)) {
        std::cerr << "cantivo: " << *problem << "\nTry 'cantivo --help' for more information.\n";
        return kExitUsage;
    }
    // Each file is run by this same program.
    return RunBatch(*parsed.options, platform::ThisModuleFilePath());
}
