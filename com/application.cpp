#include "com/application.h"

#include "engine/module_folder.h"

namespace cantivo {

CMFCSampleApp theApp;

BOOL CMFCSampleApp::InitInstance(HINSTANCE instance) {
    instance_ = instance;
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(instance, path, MAX_PATH);
    const ModulePaths paths = ModulePathsFor(length > 0 && length < MAX_PATH ? std::string(path, length) : std::string());
    helpFile_ = paths.helpFile;
    SetModuleFolder(paths.folder);
    return TRUE;
}

}  // namespace cantivo
