#include "ui/options/options_form.h"

#include <algorithm>
#include <charconv>

namespace cantivo {

namespace {

constexpr std::uint32_t kMaxController = 127;
constexpr std::uint32_t kMinInterval = 2;
constexpr std::uint32_t kMaxInterval = 64;

// An unsigned decimal number and nothing else; none for anything that is not.
std::optional<std::uint32_t> Unsigned(const std::string& text) {
    std::uint32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, problem] = std::from_chars(text.data(), end, value);
    if (text.empty() || problem != std::errc() || stop != end) return std::nullopt;
    return value;
}

std::optional<std::uint32_t> InRange(const std::string& text, std::uint32_t low, std::uint32_t high) {
    const auto value = Unsigned(text);
    if (!value || *value < low || *value > high) return std::nullopt;
    return value;
}

}  // namespace

OptionsEntries EntriesFor(OptionsSettings& settings) {
    if (std::find(kExpressionControllers.begin(), kExpressionControllers.end(), settings.VolB) ==
        kExpressionControllers.end())
        settings.VolB = 11;
    OptionsEntries entries;
    entries.expressionController = settings.VolB;
    entries.phraseFlag = settings.PhrT;
    entries.controller = std::to_string(static_cast<unsigned>(settings.Ctrl));
    for (int row = 0; row < kThinningRows; ++row) {
        entries.thinning[row] = settings.*RowSettings(row).on != 0;
        entries.intervals[row] = std::to_string(settings.*RowSettings(row).threshold);
    }
    return entries;
}

std::optional<RefusedEntry> TakeOverEntries(const OptionsEntries& entries, OptionsSettings& settings) {
    const auto controller = InRange(entries.controller, 0, kMaxController);
    if (!controller) return RefusedEntry{std::nullopt, kErrInteger0To127};
    settings.Ctrl = static_cast<std::uint8_t>(*controller);
    settings.VolB = entries.expressionController;
    settings.PhrT = entries.phraseFlag;
    // A row's switch is taken over together with the interval of the row before it.
    settings.*RowSettings(kRowExpression).on = entries.thinning[kRowExpression] ? 1 : 0;
    for (int row = 0; row < kThinningRows; ++row) {
        const auto interval = InRange(entries.intervals[row], kMinInterval, kMaxInterval);
        if (!interval) return RefusedEntry{static_cast<ThinningRow>(row), kErrInteger2To64};
        settings.*RowSettings(row).threshold = static_cast<std::int32_t>(*interval);
        if (row + 1 < kThinningRows) settings.*RowSettings(row + 1).on = entries.thinning[row + 1] ? 1 : 0;
    }
    return std::nullopt;
}

}  // namespace cantivo
