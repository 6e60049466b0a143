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
    std::size_t end = moduleFile.find_last_of("\\/");
    if (end == std::string::npos) {
        // "D:QVB20x64.dll" keeps its drive.
        end = moduleFile.size() >= 2 && moduleFile[1] == ':' ? 1 : std::string::npos;
    }
    ModulePaths paths;
    paths.folder = end == std::string::npos ? std::string() : moduleFile.substr(0, end + 1);
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
