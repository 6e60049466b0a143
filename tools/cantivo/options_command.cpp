#include "tools/cantivo/options_command.h"

#include <strings.h>

#include <algorithm>
#include <array>

#include "ui/options/options_form.h"

namespace cantivo::host {

namespace {

constexpr std::array<const char*, kThinningRows> kSwitchNames = {"BIVol", "BIPch", "BIModW", "BIPan"};
constexpr std::array<const char*, kThinningRows> kIntervalNames = {"IVol", "IPch", "IModW", "IPan"};

bool Named(const std::string& name, const char* expected) { return strcasecmp(name.c_str(), expected) == 0; }

template <std::size_t N>
std::optional<int> RowNamed(const std::string& name, const std::array<const char*, N>& names) {
    for (std::size_t row = 0; row < N; ++row)
        if (Named(name, names[row])) return static_cast<int>(row);
    return std::nullopt;
}

// Sets one entry as the user would in the dialog; a problem when the dialog
// has no such control or the control cannot hold the value.
std::optional<std::string> Assign(const std::string& name, const std::string& value, OptionsEntries& entries) {
    if (Named(name, "VolB")) {
        for (std::uint8_t controller : kExpressionControllers) {
            if (value == std::to_string(controller)) {
                entries.expressionController = controller;
                return std::nullopt;
            }
        }
        return "VolB: expected 7, 11, 2 or 74, got '" + value + "'";
    }
    if (Named(name, "Ctrl")) {
        entries.controller = value;
        return std::nullopt;
    }
    if (const auto row = RowNamed(name, kSwitchNames)) {
        if (value != "0" && value != "1") return name + ": expected 0 or 1, got '" + value + "'";
        entries.thinning[*row] = value == "1";
        return std::nullopt;
    }
    if (const auto row = RowNamed(name, kIntervalNames)) {
        entries.intervals[*row] = value;
        return std::nullopt;
    }
    return "unknown setting '" + name + "' (one of VolB, Ctrl, BIVol, IVol, BIPch, IPch, BIModW, IModW, BIPan, IPan)";
}

}  // namespace

std::string OptionsListing(const OptionsSettings& o) {
    struct Line {
        const char* name;
        long long value;
        const char* meaning;
    };
    const Line lines[] = {
        {"VolB", o.VolB, "controller that carries Expression* (7, 11, 2 or 74)"},
        {"Ctrl", o.Ctrl, "phrase-marker controller (0..127)"},
        {"PhrT", o.PhrT, "phrase threshold (always loads as 0)"},
        {"BITmp", o.BITmp, "tempo thinning on (1) or off (0); not saved by the dialog"},
        {"ITmp", o.ITmp, "smallest tempo change kept"},
        {"BIVol", o.BIVol, "Expression* thinning on (1) or off (0)"},
        {"IVol", o.IVol, "smallest Expression* change kept (2..64)"},
        {"BIPch", o.BIPch, "pitch-wheel thinning on (1) or off (0)"},
        {"IPch", o.IPch, "smallest pitch-wheel change kept (2..64)"},
        {"BIModW", o.BIModW, "modulation thinning on (1) or off (0)"},
        {"IModW", o.IModW, "smallest modulation change kept (2..64)"},
        {"BIPan", o.BIPan, "pan thinning on (1) or off (0)"},
        {"IPan", o.IPan, "smallest pan change kept (2..64)"},
    };
    std::string text;
    for (const Line& line : lines) {
        std::string setting = std::string(line.name) + "=" + std::to_string(line.value);
        setting.resize(std::max<std::size_t>(setting.size() + 1, 14), ' ');
        text += setting + line.meaning + "\n";
    }
    return text;
}

std::optional<std::string> AssignOptions(const std::vector<std::string>& assignments, OptionsSettings& settings) {
    OptionsSettings changed = settings;
    OptionsEntries entries = EntriesFor(changed);
    for (const std::string& assignment : assignments) {
        const auto equals = assignment.find('=');
        if (const auto problem = Assign(assignment.substr(0, equals), assignment.substr(equals + 1), entries))
            return problem;
    }
    if (const auto refused = TakeOverEntries(entries, changed)) {
        const std::string name = refused->row ? kIntervalNames[*refused->row] : "Ctrl";
        const std::string& value = refused->row ? entries.intervals[*refused->row] : entries.controller;
        return name + "=" + value + ": " + ErrorMessage(refused->code);
    }
    settings = changed;
    return std::nullopt;
}

}  // namespace cantivo::host
