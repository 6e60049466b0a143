// What every module of ours reads first: its row of settings, its rule text,
// and where the material's beats and phrases fall.
#pragma once

#include <algorithm>
#include <string>
#include <utility>

#include "rules/kit/metric.h"
#include "rules/kit/rule_buffer.h"
#include "rules/kit/rule_text.h"

namespace cantivo::rules {

struct ModuleContext {
    ModuleContext(const void* ruleData, ParamEntry row, RuleBuffer buffer, std::uint16_t meter,
                  std::uint16_t timeBase, std::uint8_t expressionController)
        : text(ruleData),
          row(row),
          buffer(std::move(buffer)),
          metric(meter, timeBase, text.Get("bars", 4)),
          seed(static_cast<std::uint32_t>(text.Get("seed", 1))),
          tickScale((timeBase ? timeBase : 120) / 480.0),
          expressionController(expressionController) {
        metric.UsePhraseMarkers(this->buffer.records);
    }

    // A step in ticks from the rule text, where it is written for 480 ticks
    // per quarter: at least a tick, at most the longest note.
    std::uint32_t StepTicks(const std::string& name, std::int32_t fallback) const {
        return static_cast<std::uint32_t>(std::clamp(text.Get(name, fallback) * tickScale, 1.0, 65536.0));
    }

    RuleText text;
    ParamEntry row;  // depth and random of the module's parameter
    RuleBuffer buffer;
    Metric metric;
    std::uint32_t seed;
    double tickScale;  // amounts are written for 480 ticks per quarter
    std::uint8_t expressionController;
};

}  // namespace cantivo::rules
