#include "ui/framework/resource_handle.h"

#include "ui/framework/win_app.h"

namespace cantivo::ui {

namespace {
HINSTANCE g_resourceInstance = nullptr;
}  // namespace

HINSTANCE AfxGetResourceHandle() { return g_resourceInstance; }

void AfxSetResourceHandle(HINSTANCE instance) { g_resourceInstance = instance; }

ModuleResources::ModuleResources() : m_previous(g_resourceInstance) {
    if (const CWinApp* app = AfxGetApp(); app != nullptr && app->m_hInstance != nullptr)
        g_resourceInstance = app->m_hInstance;
}

ModuleResources::~ModuleResources() { g_resourceInstance = m_previous; }

HINSTANCE AfxGetCodeInstance() {
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&AfxGetCodeInstance), &module);
    return module;
}

}  // namespace cantivo::ui
