// The module that dialogs and bitmaps are loaded from: the plug-in's own file,
// never the host's program. The DLL's entry point sets it; a program that
// links the controls in sets it to the module holding the resources.
#pragma once

#include <windows.h>

namespace cantivo::ui {

HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE instance);

// The module holding this code, where its window classes are registered.
HINSTANCE AfxGetCodeInstance();

}  // namespace cantivo::ui
