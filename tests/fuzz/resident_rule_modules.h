// Rule modules held in the process for a whole fuzzing run: our module files,
// each opened once, and convert functions the harness itself supplies.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "engine/rule_module_loader.h"
#include "platform/dynamic_library.h"

namespace cantivo::fuzz {

class ResidentRuleModules final : public RuleModuleLoader {
public:
    // Opens R<n>.DLL from the module folder for each number given.
    void OpenModuleFiles(const std::vector<std::int16_t>& numbers);
    void Set(std::int16_t number, QV12ConvertFunction convert) { converts_[number] = convert; }

    std::unique_ptr<LoadedRuleModule> Load(std::int16_t number) override;

private:
    std::map<std::int16_t, QV12ConvertFunction> converts_;
    std::vector<std::unique_ptr<platform::DynamicLibrary>> files_;
};

// Our module files, opened on first use for the rest of the process.
ResidentRuleModules& OurResidentModules();

}  // namespace cantivo::fuzz
