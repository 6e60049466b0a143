// Modules loaded for a test: the built plug-in with its exports, or another
// module beside the test program.
#pragma once

#include <windows.h>

#include <string>

namespace cantivo::test {

std::string BesideThisProgram(const char* name);

// A module, freed with this object.
class LoadedModule {
public:
    explicit LoadedModule(const std::string& path) : module(LoadLibraryA(path.c_str())) {}
    ~LoadedModule() {
        if (module) FreeLibrary(module);
    }
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;
    HMODULE Get() const { return module; }

    const HMODULE module;
};

struct ModuleBeside : LoadedModule {
    explicit ModuleBeside(const char* file) : LoadedModule(BesideThisProgram(file)) {}
};

struct PluginModule : LoadedModule {
    // The built plug-in, or a copy of it elsewhere.
    explicit PluginModule(const std::string& path = BesideThisProgram("QVB20x64.dll"));

    HRESULT(STDAPICALLTYPE* const GetClassObject)(REFCLSID, REFIID, void**);
    HRESULT(STDAPICALLTYPE* const CanUnloadNow)();
    HRESULT(STDAPICALLTYPE* const RegisterServer)();
    HRESULT(STDAPICALLTYPE* const UnregisterServer)();
};

}  // namespace cantivo::test
