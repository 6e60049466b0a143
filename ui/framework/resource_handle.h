// The module that dialogs and bitmaps are loaded from: the plug-in's own file,
// never the host's program. The DLL's entry point sets it; a program that
// links the controls in sets it to the module holding the resources.
#pragma once

#include <windows.h>

namespace cantivo::ui {

HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE instance);

// For its lifetime, makes the application object's module the source of
// resources, whatever a host or another module set; without an application
// object the source stays as it is.
class ModuleResources {
public:
    ModuleResources();
    ~ModuleResources();
    ModuleResources(const ModuleResources&) = delete;
    ModuleResources& operator=(const ModuleResources&) = delete;

private:
    HINSTANCE m_previous;
};

// The module holding this code, where its window classes are registered.
HINSTANCE AfxGetCodeInstance();

}  // namespace cantivo::ui
