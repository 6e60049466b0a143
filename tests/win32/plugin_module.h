// The built plug-in, loaded for a test, with its exports.
#pragma once

#include <windows.h>

#include <string>

namespace cantivo::test {

std::string BesideThisProgram(const char* name);

struct PluginModule {
    // The built plug-in, or a copy of it elsewhere.
    explicit PluginModule(const std::string& path = BesideThisProgram("QVB20x64.dll"));
    ~PluginModule();
    PluginModule(const PluginModule&) = delete;
    PluginModule& operator=(const PluginModule&) = delete;

    HMODULE module;
    HRESULT(STDAPICALLTYPE* GetClassObject)(REFCLSID, REFIID, void**);
    HRESULT(STDAPICALLTYPE* CanUnloadNow)();
};

// Runs a program to its end and gives its exit code.
DWORD RunAndWait(const std::string& commandLine);

}  // namespace cantivo::test
