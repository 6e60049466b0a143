// What every module of ours reads first: its row of settings, its rule text,
// and where the material's beats and phrases fall.
#pragma once

#include "rules/kit/metric.h"
#include "rules/kit/rule_buffer.h"
#include "rules/kit/rule_text.h"

namespace cantivo::rules {

struct ModuleContext {
    ModuleContext(void* ruleData, HGLOBAL* events, std::int32_t* capacity, std::int32_t* bytesInUse,
                  std::uint16_t meter, std::uint16_t timeBase)
        : text(ruleData),
          buffer(events, capacity, bytesInUse),
          metric(meter, timeBase, text.Get("bars", 4)),
          seed(static_cast<std::uint32_t>(text.Get("seed", 1))),
          tickScale((timeBase ? timeBase : 120) / 480.0) {
        metric.UsePhraseMarkers(buffer.records);
    }

    RuleText text;
    RuleBuffer buffer;
    Metric metric;
    std::uint32_t seed;
    double tickScale;  // amounts are written for 480 ticks per quarter
};

}  // namespace cantivo::rules
