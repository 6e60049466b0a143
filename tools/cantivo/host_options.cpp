#include "tools/cantivo/host_options.h"

#include <charconv>
#include <functional>
#include <map>

#include "tools/cantivo/parameters.h"

namespace cantivo::host {

namespace {

class OptionError {
public:
    explicit OptionError(std::string message) : message(std::move(message)) {}
    std::string message;
};

std::uint16_t Number(const std::string& option, const std::string& text, std::uint16_t high) {
    unsigned value = 0;
    const auto [end, problem] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || problem != std::errc() || end != text.data() + text.size() || value > high)
        throw OptionError(option + ": expected an integer 0.." + std::to_string(high) + ", got '" + text + "'");
    return static_cast<std::uint16_t>(value);
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

void SetStyle(HostOptions& options, const std::string& text) {
    const auto slash = text.find_first_of("/\\");
    const std::string folder = slash == std::string::npos ? std::string() : text.substr(0, slash);
    const std::string name = slash == std::string::npos ? std::string() : text.substr(slash + 1);
    if (!IsPlainName(folder) || !IsPlainName(name))
        throw OptionError("--style: expected FOLDER/NAME, got '" + text + "'");
    options.styleFolder = folder;
    options.styleName = name;
}

using ValueHandler = std::function<void(HostOptions&, const std::string& option, const std::string& value)>;
using FlagHandler = std::function<void(HostOptions&)>;

const std::map<std::string, ValueHandler>& ValueOptions() {
    static const std::map<std::string, ValueHandler> options = {
        {"-o", [](HostOptions& o, const std::string&, const std::string& v) { o.output = v; }},
        {"--output", [](HostOptions& o, const std::string&, const std::string& v) { o.output = v; }},
        {"--piano-roll", [](HostOptions& o, const std::string&, const std::string& v) { o.pianoRoll = v; }},
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
    };
    return options;
}

const std::map<std::string, FlagHandler>& FlagOptions() {
    static const std::map<std::string, FlagHandler> options = {
        {"-h", [](HostOptions& o) { o.action = HostAction::kHelp; }},
        {"--help", [](HostOptions& o) { o.action = HostAction::kHelp; }},
        {"--version", [](HostOptions& o) { o.action = HostAction::kVersion; }},
        {"--list-styles", [](HostOptions& o) { o.action = HostAction::kListStyles; }},
        {"--report", [](HostOptions& o) { o.report = true; }},
        {"--com", [](HostOptions& o) { o.useCom = true; }},
        {"--no-wheel", [](HostOptions& o) { o.dropWheel = true; }},
        {"--no-modulation", [](HostOptions& o) { o.dropModulation = true; }},
    };
    return options;
}

void CheckRun(const HostOptions& options) {
    if (options.input.empty()) throw OptionError("no input file given");
    if (options.styleName.empty() && options.stateFile.empty())
        throw OptionError("no style chosen: give --style FOLDER/NAME or --state FILE");
    if (options.output.empty() && options.pianoRoll.empty() && !options.report)
        throw OptionError("nothing to do: give -o OUTPUT, --report or --piano-roll FILE");
}

}  // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args) {
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
                if (const auto flag = FlagOptions().find(name); flag != FlagOptions().end()) {
                    if (inlineValue) throw OptionError(name + " takes no value");
                    flag->second(options);
                    helpAsked = helpAsked || options.action == HostAction::kHelp;
                    continue;
                }
                const auto valued = ValueOptions().find(name);
                if (valued == ValueOptions().end()) throw OptionError("unknown option '" + name + "'");
                if (!inlineValue) {
                    if (i + 1 == args.size()) throw OptionError(name + " needs a value");
                    inlineValue = args[++i];
                }
                valued->second(options, name, *inlineValue);
                continue;
            }
            if (!options.input.empty()) throw OptionError("more than one input file: '" + arg + "'");
            options.input = arg;
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
           "       cantivo --list-styles | --help | --version\n"
           "\n"
           "Runs every track of a Standard MIDI File through the Cantivo filter with a style\n"
           "and writes the result as a format-1 file with the same division.\n"
           "\n"
           "  -o, --output FILE      the processed MIDI file\n"
           "  --style FOLDER/NAME    the style STYLES/FOLDER/NAME.cnv beside the plug-in\n"
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
           "  --report               print what the filter changed\n"
           "  --piano-roll FILE.svg  draw the input and the output side by side\n"
           "  --list-styles          list the style folders and their styles\n"
           "  --com                  (Windows) create the filter with CoCreateInstance;\n"
           "                         needs 'regsvr32 QVB20x64.dll' first\n"
           "  -h, --help             this text\n"
           "  --version              the program's version\n"
           "\n"
           "Without initial-value options the style's own initial values apply. Controller\n"
           "thinning stays at its start values (off). Exit codes: 0 done, 1 a file or the\n"
           "filter failed, 2 a bad command line.\n";
}

}  // namespace cantivo::host
