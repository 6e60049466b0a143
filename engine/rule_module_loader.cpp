#include "engine/rule_module_loader.h"

#include <string>

#include "engine/module_folder.h"
#include "platform/dynamic_library.h"

namespace cantivo {

namespace {

class ModuleFile final : public LoadedRuleModule {
public:
    explicit ModuleFile(const std::string& path) : library_(path) {}
    bool Loaded() const { return static_cast<bool>(library_); }
    QV12ConvertFunction Convert() const override {
        return reinterpret_cast<QV12ConvertFunction>(library_.Symbol(kRuleEntryPoint));
    }

private:
    platform::DynamicLibrary library_;
};

class ModuleFolderLoader final : public RuleModuleLoader {
public:
    std::unique_ptr<LoadedRuleModule> Load(std::int16_t number) override {
        // The module number is written signed, as module files have always been named.
        auto module = std::make_unique<ModuleFile>(ModuleFolder() + "R" + std::to_string(number) + ".DLL");
        if (!module->Loaded()) return nullptr;
        return module;
    }
};

}  // namespace

RuleModuleLoader& ModuleFileLoader() {
    static ModuleFolderLoader loader;
    return loader;
}

}  // namespace cantivo
