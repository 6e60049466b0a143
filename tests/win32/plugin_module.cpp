#include "tests/win32/plugin_module.h"

namespace cantivo::test {

std::string BesideThisProgram(const char* name) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string program = path;
    return program.substr(0, program.find_last_of('\\') + 1) + name;
}

PluginModule::PluginModule(const std::string& path) : LoadedModule(path) {
    GetClassObject = reinterpret_cast<decltype(GetClassObject)>(reinterpret_cast<void*>(GetProcAddress(module, "DllGetClassObject")));
    CanUnloadNow = reinterpret_cast<decltype(CanUnloadNow)>(reinterpret_cast<void*>(GetProcAddress(module, "DllCanUnloadNow")));
}

DWORD RunAndWait(const std::string& commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string line = commandLine;
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return static_cast<DWORD>(-1);
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return code;
}

}  // namespace cantivo::test
