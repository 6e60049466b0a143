// Where the rule stage gets each slot's module from. The plug-in loads
// R<n>.DLL from the module folder; a test or a fuzz harness can hand in
// convert functions that live in its own process image instead.
#pragma once

#include <cstdint>
#include <memory>

#include "cantivo/rule_module.h"

namespace cantivo {

// A module held loaded while the object lives.
class LoadedRuleModule {
public:
    virtual ~LoadedRuleModule() = default;
    // Null when the module has no entry point.
    virtual QV12ConvertFunction Convert() const = 0;
};

class RuleModuleLoader {
public:
    virtual ~RuleModuleLoader() = default;
    // Null when module `number` cannot be loaded.
    virtual std::unique_ptr<LoadedRuleModule> Load(std::int16_t number) = 0;
};

// R<n>.DLL from the module folder, loaded for each run and unloaded after it.
RuleModuleLoader& ModuleFileLoader();

}  // namespace cantivo
