#include "tools/cantivo/host_options.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <iterator>
#include <functional>
#include <map>
#include <set>

#include "tools/cantivo/parameters.h"

namespace cantivo::host {

namespace {

class OptionError {
public:
    explicit OptionError(std::string message) : message(std::move(message)) {}
    std::string message;
};

std::uint32_t Number(const std::string& option, const std::string& text, std::uint32_t low, std::uint32_t high) {
    std::uint32_t value = 0;
    const auto [end, problem] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || problem != std::errc() || end != text.data() + text.size() || value < low || value > high)
        throw OptionError(option + ": expected an integer " + std::to_string(low) + ".." + std::to_string(high) +
                          ", got '" + text + "'");
    return value;
}

std::uint16_t Number(const std::string& option, const std::string& text, std::uint16_t high) {
    return static_cast<std::uint16_t>(Number(option, text, 0, high));
}

int Parameter(const std::string& option, const std::string& name) {
    const auto index = ParameterIndex(name);
    if (!index) throw OptionError(option + ": unknown parameter '" + name + "' (one of " + ParameterNameList() + ")");
    return *index;
}

// NAME=VALUE of --depth and --random.
std::pair<int, std::uint16_t> ParameterValue(const std::string& option, const std::string& text,
                                             std::uint16_t high) {
    const auto equals = text.find('=');
    if (equals == std::string::npos) throw OptionError(option + ": expected NAME=VALUE, got '" + text + "'");
    return {Parameter(option, text.substr(0, equals)), Number(option, text.substr(equals + 1), high)};
}

bool IsPlainName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find_first_of("\\/") == std::string::npos &&
           name.size() <= kMaxStyleNameLength;
}

bool EndsWithStyleExtension(const std::string& text) {
    constexpr std::string_view kExtension = ".cnv";
    if (text.size() <= kExtension.size()) return false;
    return std::equal(kExtension.begin(), kExtension.end(), text.end() - kExtension.size(),
                      [](char a, char b) { return a == (b >= 'A' && b <= 'Z' ? b - 'A' + 'a' : b); });
}

void SetStyle(HostOptions& options, const std::string& text) {
    // A path to a style file is taken as it is; anything else names a style of the library.
    if (EndsWithStyleExtension(text)) {
        options.styleFile = text;
        return;
    }
    const auto slash = text.find_first_of("/\\");
    const std::string folder = slash == std::string::npos ? std::string() : text.substr(0, slash);
    const std::string name = slash == std::string::npos ? std::string() : text.substr(slash + 1);
    if (!IsPlainName(folder) || !IsPlainName(name))
        throw OptionError("--style: expected FOLDER/NAME or a path ending in .cnv, got '" + text + "'");
    options.styleFolder = folder;
    options.styleName = name;
}

// A..B, or A alone for one bar.
BarRange Bars(const std::string& option, const std::string& text) {
    const auto dash = text.find('-');
    BarRange range;
    range.first = Number(option, text.substr(0, dash), 1, kMaxBar);
    range.last = dash == std::string::npos ? range.first : Number(option, text.substr(dash + 1), 1, kMaxBar);
    if (range.last < range.first) throw OptionError(option + ": the last bar comes before the first in '" + text + "'");
    return range;
}

ReportFormat Report(const std::string& option, const std::string& text) {
    if (text == "text") return ReportFormat::kText;
    if (text == "json") return ReportFormat::kJson;
    throw OptionError(option + ": expected text or json, got '" + text + "'");
}

constexpr const char* kThinningKindNames[] = {"tempo", "expression", "wheel", "modulation", "pan"};

// KIND=N or KIND=off of --thin.
void SetThinning(OptionsOverrides& overrides, const std::string& option, const std::string& text) {
    const auto equals = text.find('=');
    const std::string kind = text.substr(0, equals);
    const auto* found = std::find(std::begin(kThinningKindNames), std::end(kThinningKindNames), kind);
    if (equals == std::string::npos || found == std::end(kThinningKindNames))
        throw OptionError(option + ": expected KIND=N or KIND=off, KIND one of tempo, expression, wheel, modulation, "
                                   "pan; got '" + text + "'");
    const std::string value = text.substr(equals + 1);
    overrides.thinning[found - std::begin(kThinningKindNames)] =
        value == "off" ? 0 : static_cast<std::int32_t>(Number(option, value, kMinThinning, kMaxThinning));
}

std::uint8_t ExpressionController(const std::string& option, const std::string& text) {
    const auto value = Number(option, text, 0, kMaxController);
    if (value != 7 && value != 11 && value != 2 && value != 74)
        throw OptionError(option + ": expected 7, 11, 2 or 74, got '" + text + "'");
    return static_cast<std::uint8_t>(value);
}

// What each file of a batch is run with.
const std::set<std::string> kSettingOptions = {
    "--style",      "--state",         "--depth", "--random", "--mute",
    "--unmute",     "--velocity",      "--expression", "--pan", "--no-wheel",
    "--no-modulation", "--com",        "--thin",  "--expression-controller", "--phrase-controller",
    "--phrase-threshold"};

using ValueHandler = std::function<void(HostOptions&, const std::string& option, const std::string& value)>;
using FlagHandler = std::function<void(HostOptions&)>;

const std::map<std::string, ValueHandler>& ValueOptions() {
    static const std::map<std::string, ValueHandler> options = {
        {"-o", [](HostOptions& o, const std::string&, const std::string& v) { o.output = v; }},
        {"--output", [](HostOptions& o, const std::string&, const std::string& v) { o.output = v; }},
        {"--piano-roll", [](HostOptions& o, const std::string&, const std::string& v) { o.pianoRoll = v; }},
        {"--bars", [](HostOptions& o, const std::string& option, const std::string& v) { o.bars = Bars(option, v); }},
        {"-j", [](HostOptions& o, const std::string& option, const std::string& v) { o.jobs = Number(option, v, 1, kMaxJobs); }},
        {"--jobs",
         [](HostOptions& o, const std::string& option, const std::string& v) { o.jobs = Number(option, v, 1, kMaxJobs); }},
        {"--style", [](HostOptions& o, const std::string&, const std::string& v) { SetStyle(o, v); }},
        {"--state", [](HostOptions& o, const std::string&, const std::string& v) { o.stateFile = v; }},
        {"--save-state", [](HostOptions& o, const std::string&, const std::string& v) { o.saveState = v; }},
        {"--depth",
         [](HostOptions& o, const std::string& option, const std::string& v) {
             const auto [index, value] = ParameterValue(option, v, kMaxDepth);
             o.depth[index] = value;
         }},
        {"--random",
         [](HostOptions& o, const std::string& option, const std::string& v) {
             const auto [index, value] = ParameterValue(option, v, kMaxRandom);
             if (index == kVariableParameter) throw OptionError(option + ": variable has a depth only");
             o.random[index] = value;
         }},
        {"--mute",
         [](HostOptions& o, const std::string& option, const std::string& v) { o.muted[Parameter(option, v)] = true; }},
        {"--unmute",
         [](HostOptions& o, const std::string& option, const std::string& v) {
             o.muted[Parameter(option, v)] = false;
         }},
        {"--velocity",
         [](HostOptions& o, const std::string& option, const std::string& v) {
             o.velocity = static_cast<std::uint8_t>(Number(option, v, kMaxInitialValue));
         }},
        {"--expression",
         [](HostOptions& o, const std::string& option, const std::string& v) {
             o.expression = static_cast<std::uint8_t>(Number(option, v, kMaxInitialValue));
         }},
        {"--pan",
         [](HostOptions& o, const std::string& option, const std::string& v) {
             o.pan = static_cast<std::uint8_t>(Number(option, v, kMaxInitialValue));
         }},
        {"--thin",
         [](HostOptions& o, const std::string& option, const std::string& v) {
             SetThinning(o.optionsOverrides, option, v);
         }},
        {"--expression-controller",
         [](HostOptions& o, const std::string& option, const std::string& v) {
             o.optionsOverrides.expressionController = ExpressionController(option, v);
         }},
        {"--phrase-controller",
         [](HostOptions& o, const std::string& option, const std::string& v) {
             o.optionsOverrides.phraseController = static_cast<std::uint8_t>(Number(option, v, 0, kMaxController));
         }},
        {"--phrase-threshold",
         [](HostOptions& o, const std::string& option, const std::string& v) {
             o.optionsOverrides.phraseThreshold = static_cast<std::int32_t>(Number(option, v, 0, INT32_MAX));
         }},
    };
    return options;
}

const std::map<std::string, FlagHandler>& FlagOptions() {
    static const std::map<std::string, FlagHandler> options = {
        {"-h", [](HostOptions& o) { o.action = HostAction::kHelp; }},
        {"--help", [](HostOptions& o) { o.action = HostAction::kHelp; }},
        {"--version", [](HostOptions& o) { o.action = HostAction::kVersion; }},
        {"--list-styles", [](HostOptions& o) { o.action = HostAction::kListStyles; }},
        {"--com", [](HostOptions& o) { o.useCom = true; }},
        {"--no-wheel", [](HostOptions& o) { o.dropWheel = true; }},
        {"--no-modulation", [](HostOptions& o) { o.dropModulation = true; }},
    };
    return options;
}

void CheckRun(const HostOptions& options) {
    if (options.inputs.empty()) throw OptionError("no input file given");
    if (options.styleName.empty() && options.styleFile.empty() && options.stateFile.empty())
        throw OptionError("no style chosen: give --style FOLDER/NAME, --style FILE.cnv or --state FILE");
    if (options.output.empty() && options.pianoRoll.empty() && options.report == ReportFormat::kNone)
        throw OptionError("nothing to do: give -o OUTPUT, --report or --piano-roll FILE");
    if (options.bars && options.pianoRoll.empty()) throw OptionError("--bars chooses what --piano-roll draws; give both");
    // The style is copied into the library for the run only, so a saved record would name nothing.
    if (!options.styleFile.empty() && !options.saveState.empty())
        throw OptionError("--save-state needs a style of the library (FOLDER/NAME), not a style file");
}

// `options NAME=VALUE...`
ParsedCommandLine OptionsCommand(const std::vector<std::string>& assignments) {
    HostOptions options;
    options.action = HostAction::kOptions;
    for (const std::string& arg : assignments) {
        if (arg == "-h" || arg == "--help") {
            options.action = HostAction::kHelp;
            return {options, {}};
        }
        if (arg.find('=') == std::string::npos || arg.front() == '=')
            return {std::nullopt, "options: expected NAME=VALUE, got '" + arg + "'"};
        options.optionAssignments.push_back(arg);
    }
    return {options, {}};
}

}  // namespace

bool OptionsOverrides::Any() const {
    return expressionController || phraseController || phraseThreshold ||
           std::any_of(thinning.begin(), thinning.end(), [](const auto& kind) { return kind.has_value(); });
}

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args) {
    if (!args.empty() && args.front() == "options") return OptionsCommand({args.begin() + 1, args.end()});
    HostOptions options;
    bool helpAsked = false;
    try {
        for (std::size_t i = 0; i < args.size(); ++i) {
            const std::string& arg = args[i];
            if (arg.size() > 1 && arg[0] == '-') {
                std::string name = arg;
                std::optional<std::string> inlineValue;
                if (const auto equals = arg.find('='); arg.starts_with("--") && equals != std::string::npos) {
                    name = arg.substr(0, equals);
                    inlineValue = arg.substr(equals + 1);
                }
                // --report takes text or json as its value, or nothing for text.
                if (name == "--report") {
                    if (!inlineValue && i + 1 < args.size() && (args[i + 1] == "text" || args[i + 1] == "json"))
                        inlineValue = args[++i];
                    options.report = inlineValue ? Report(name, *inlineValue) : ReportFormat::kText;
                    continue;
                }
                if (const auto flag = FlagOptions().find(name); flag != FlagOptions().end()) {
                    if (inlineValue) throw OptionError(name + " takes no value");
                    flag->second(options);
                    helpAsked = helpAsked || options.action == HostAction::kHelp;
                    if (kSettingOptions.count(name)) options.settingArguments.push_back(name);
                    continue;
                }
                const auto valued = ValueOptions().find(name);
                if (valued == ValueOptions().end()) throw OptionError("unknown option '" + name + "'");
                if (!inlineValue) {
                    if (i + 1 == args.size()) throw OptionError(name + " needs a value");
                    inlineValue = args[++i];
                }
                valued->second(options, name, *inlineValue);
                if (kSettingOptions.count(name)) options.settingArguments.insert(options.settingArguments.end(), {name, *inlineValue});
                continue;
            }
            options.inputs.push_back(arg);
        }
        // --help wins over anything else on the line.
        if (helpAsked) options.action = HostAction::kHelp;
        if (options.action == HostAction::kRun) CheckRun(options);
    } catch (const OptionError& error) {
        if (helpAsked) {
            options.action = HostAction::kHelp;
            return {options, {}};
        }
        return {std::nullopt, error.message};
    }
    return {options, {}};
}

std::string UsageText() {
    return "usage: cantivo INPUT.mid --style FOLDER/NAME [-o OUTPUT.mid] [options]\n"
           "       cantivo INPUT.mid --state qvb20.sta [-o OUTPUT.mid] [options]\n"
           "       cantivo INPUT.mid... | FOLDER --style FOLDER/NAME -o OUTPUT_FOLDER [-j N] [options]\n"
           "       cantivo options [NAME=VALUE...]\n"
           "       cantivo --list-styles | --help | --version\n"
           "\n"
           "Runs every track of a Standard MIDI File through the Cantivo filter with a style\n"
           "and writes the result as a format-1 file with the same division. Given several\n"
           "files or a folder, it processes each MIDI file and writes it under the same name\n"
           "in the output folder; the exit code is 1 if any file was refused.\n"
           "\n"
           "  -o, --output FILE      the processed MIDI file, or the folder of a batch\n"
           "  -j, --jobs N           files of a batch processed at once, 1..64 (default 1)\n"
           "  --style FOLDER/NAME    the style STYLES/FOLDER/NAME.cnv beside the plug-in\n"
           "  --style PATH.cnv       a style file anywhere, run with the rule modules\n"
           "                         beside the plug-in\n"
           "  --state FILE           the filter's 636-byte settings (a qvb20.sta); options\n"
           "                         given here change what it holds\n"
           "  --save-state FILE      write the settings handed to the filter, for --state\n"
           "  --depth NAME=N         a parameter's depth, 0..200 (default 100)\n"
           "  --random NAME=N        a parameter's randomness, 0..30 (default 20)\n"
           "  --mute NAME            switch a parameter off; --unmute NAME switches it on\n"
           "                         NAME: " + ParameterNameList() + "\n"
           "  --velocity N           every note gets velocity N (0..127)\n"
           "  --expression N         expression at the start is N, later moves removed\n"
           "  --pan N                pan at the start is N, later moves removed\n"
           "  --no-wheel             remove all pitch-wheel moves\n"
           "  --no-modulation        remove all modulation\n"
           "  --report [text|json]   print what the filter changed, as text or as JSON\n"
           "  --piano-roll FILE.svg  draw each track's output over its ghosted input, with\n"
           "                         velocity and controller lanes\n"
           "  --bars A-B             the bars the piano roll draws (from 1)\n"
           "  --list-styles          list the style folders and their styles\n"
           "  --thin KIND=N|off      for this run, thin KIND (tempo, expression, wheel,\n"
           "                         modulation, pan) keeping changes of N (2..64), or not\n"
           "  --expression-controller N  for this run, Expression* on controller 7, 11, 2\n"
           "                         or 74\n"
           "  --phrase-controller N  for this run, phrase markers on controller N (0..127)\n"
           "  --phrase-threshold N   for this run, the phrase threshold PhrT\n"
           "  --com                  (Windows) create the filter with CoCreateInstance;\n"
           "                         needs 'regsvr32 QVB20x64.dll' first\n"
           "  -h, --help             this text\n"
           "  --version              the program's version\n"
           "\n"
           "Without initial-value options the style's own initial values apply. The filter\n"
           "runs with the Options the plug-in loads for this user; 'cantivo options' shows\n"
           "them and 'cantivo options NAME=VALUE...' checks and saves them as the Options\n"
           "dialog does. Exit codes: 0 done, 1 a file or the filter failed, 2 a bad command\n"
           "line or a refused Options value.\n";
}

}  // namespace cantivo::host
