// What the Options dialog shows and how its OK takes the entries over, free
// of any window: the dialog and the command-line host share it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/error_code.h"
#include "options/options_settings.h"

namespace cantivo {

// The four visible rows of "Auto Optimization", in the dialog's order; the
// tempo row is hidden.
enum ThinningRow { kRowExpression, kRowWheel, kRowModulation, kRowPan, kThinningRows };

// The settings a row shows.
constexpr const ThinningPair& RowSettings(int row) { return kThinningPairs[row + 1]; }

// The controllers the "Expression*" radio buttons stand for.
inline constexpr std::array<std::uint8_t, 4> kExpressionControllers = {7, 11, 2, 74};

struct OptionsEntries {
    std::uint8_t expressionController = 11;  // the chosen radio button
    std::int32_t phraseFlag = 0;             // carried through, no control shows it
    std::string controller;                  // "Controller N", as typed
    std::array<bool, kThinningRows> thinning{};
    std::array<std::string, kThinningRows> intervals;  // as typed
};

// The entries that show `settings`. A VolB that no radio button stands for
// becomes 11 in `settings` at once, whatever happens to the entries later.
OptionsEntries EntriesFor(OptionsSettings& settings);

// The entry OK stopped at and the error code that says what it must hold.
struct RefusedEntry {
    std::optional<ThinningRow> row;  // none: "Controller N"
    ErrorCode code;
};

// OK: checks the entries in the dialog's order and takes each over as soon as
// it is checked, stopping at the first that is refused. What was taken over
// before that stays taken. The tempo settings are never touched.
std::optional<RefusedEntry> TakeOverEntries(const OptionsEntries& entries, OptionsSettings& settings);

}  // namespace cantivo
