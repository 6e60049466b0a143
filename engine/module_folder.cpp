#include "engine/module_folder.h"

#include <optional>

#include "platform/files.h"

namespace cantivo {

namespace {
constexpr std::size_t kMaxPath = 260;
std::optional<std::string> g_moduleFolder;
}  // namespace

ModulePaths ModulePathsFor(const std::string& moduleFile) {
    if (moduleFile.empty()) return {};
    ModulePaths paths;
    paths.folder = platform::FolderOf(moduleFile);
    paths.helpFile = paths.folder + "QVB20.chm";
    return paths;
}

const std::string& ModuleFolder() {
    // Until someone sets it, the folder of the file that holds the engine.
    if (!g_moduleFolder) SetModuleFolder(ModulePathsFor(platform::ThisModuleFilePath()).folder);
    return *g_moduleFolder;
}

void SetModuleFolder(const std::string& folder) { g_moduleFolder = folder.substr(0, kMaxPath - 1); }

}  // namespace cantivo
