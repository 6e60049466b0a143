// Runs one of our rule modules on a buffer of records, as the rule stage would.
#pragma once

#include <string>
#include <vector>

#include "cantivo/rule_module.h"

namespace cantivo::test {

enum OurModule { kStartTime = 1, kDurations = 2, kVelocity = 3, kExpression = 4, kModulation = 6, kSwing = 7 };

struct ModuleCall {
    SettingsRegion settings{};
    std::string ruleText = "seed=5";
    std::uint16_t meter = 0x0204;  // 4/4
    std::uint16_t timeBase = 480;
    std::uint8_t expressionController = 11;

    ModuleCall();
    // Sets one row's depth and random (row 7 takes the depth only).
    ModuleCall& Row(int parameter, std::uint16_t depth, std::uint16_t random = 0);
};

// `records` ends with an end record; so does the result. The buffer handed
// to the module is exactly as large as the input, so modules that add
// records must grow it.
std::vector<EventRecord> RunModule(int module, const std::vector<EventRecord>& records, const ModuleCall& call);

// Checks that hold for every module: sorted, end record last and after every
// note's end, no two notes of one key and channel sounding at once.
void ExpectValidBuffer(const std::vector<EventRecord>& records);

}  // namespace cantivo::test
