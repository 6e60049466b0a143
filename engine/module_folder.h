// The folder the plug-in lives in, on which rule-module, style and state-file
// paths are built, and the help file beside it.
#pragma once

#include <string>

namespace cantivo {

struct ModulePaths {
    std::string folder;    // drive and directory, with the trailing separator
    std::string helpFile;  // the folder and "QVB20.chm"
};

// Splits a module file path such as D:\Audio\Plug\QVB20x64.dll.
ModulePaths ModulePathsFor(const std::string& moduleFile);

// The plug-in sets it when it loads and a host may set its own; until then
// it is the folder of the file that holds the engine.
const std::string& ModuleFolder();
void SetModuleFolder(const std::string& folder);

}  // namespace cantivo
