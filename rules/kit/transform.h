// What a module file defines. The kit's entry point checks the call, reads
// the buffer and the rule text, hands them to Transform and writes the
// records back.
#pragma once

#include "rules/kit/module_context.h"

namespace cantivo::rules {

// The parameter whose depth and random drive the module: 0..6 a row of the
// settings, kVariableParameter the variable depth (which has no random).
extern const int kModuleParameter;
constexpr int kVariableParameter = 7;

// Changes context.buffer.records. Called only when the depth is above 0.
void Transform(ModuleContext& context);

}  // namespace cantivo::rules
