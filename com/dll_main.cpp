#include <windows.h>

#include "com/application.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        DisableThreadLibraryCalls(instance);
        return cantivo::theApp.InitInstance(instance);
    }
    return TRUE;
}
