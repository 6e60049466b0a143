#include "tests/win32/plugin_module.h"

namespace cantivo::test {

std::string BesideThisProgram(const char* name) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string program = path;
    return program.substr(0, program.find_last_of('\\') + 1) + name;
}

namespace {

template <typename Function>
Function Exported(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

PluginModule::PluginModule(const std::string& path)
    : LoadedModule(path),
      GetClassObject(Exported<decltype(GetClassObject)>(module, "DllGetClassObject")),
      CanUnloadNow(Exported<decltype(CanUnloadNow)>(module, "DllCanUnloadNow")),
      RegisterServer(Exported<decltype(RegisterServer)>(module, "DllRegisterServer")),
      UnregisterServer(Exported<decltype(UnregisterServer)>(module, "DllUnregisterServer")) {}

}  // namespace cantivo::test
