#include "ui/framework/resource_handle.h"

namespace cantivo::ui {

namespace {
HINSTANCE g_resourceInstance = nullptr;
}  // namespace

HINSTANCE AfxGetResourceHandle() { return g_resourceInstance; }

void AfxSetResourceHandle(HINSTANCE instance) { g_resourceInstance = instance; }

HINSTANCE AfxGetCodeInstance() {
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&AfxGetCodeInstance), &module);
    return module;
}

}  // namespace cantivo::ui
