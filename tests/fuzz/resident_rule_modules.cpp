#include "tests/fuzz/resident_rule_modules.h"

#include <cstdlib>
#include <string>

#include "engine/module_folder.h"

namespace cantivo::fuzz {

namespace {

class ResidentModule final : public LoadedRuleModule {
public:
    explicit ResidentModule(QV12ConvertFunction convert) : convert_(convert) {}
    QV12ConvertFunction Convert() const override { return convert_; }

private:
    QV12ConvertFunction convert_;
};

}  // namespace

void ResidentRuleModules::OpenModuleFiles(const std::vector<std::int16_t>& numbers) {
    for (const std::int16_t number : numbers) {
        auto file = std::make_unique<platform::DynamicLibrary>(ModuleFolder() + "R" + std::to_string(number) + ".DLL");
        const auto convert = reinterpret_cast<QV12ConvertFunction>(file->Symbol(kRuleEntryPoint));
        // A harness without its modules would fuzz nothing but the load failure.
        if (!convert) std::abort();
        Set(number, convert);
        files_.push_back(std::move(file));
    }
}

std::unique_ptr<LoadedRuleModule> ResidentRuleModules::Load(std::int16_t number) {
    const auto found = converts_.find(number);
    if (found == converts_.end()) return nullptr;
    return std::make_unique<ResidentModule>(found->second);
}

ResidentRuleModules& OurResidentModules() {
    // Never destroyed: the module files stay mapped until the process ends.
    static auto* modules = [] {
        auto* resident = new ResidentRuleModules;
        resident->OpenModuleFiles({1, 2, 3, 4, 6, 7});
        return resident;
    }();
    return *modules;
}

}  // namespace cantivo::fuzz
