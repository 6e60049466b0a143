#include <windows.h>

#include "ui/framework/win_app.h"

// The application object of the module does the work; see com/application.cpp.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    return cantivo::ui::AfxDllMain(instance, reason);
}
