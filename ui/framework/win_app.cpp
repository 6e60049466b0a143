#include "ui/framework/win_app.h"

#include "ui/framework/resource_handle.h"
#include "ui/framework/wnd.h"

namespace cantivo::ui {

namespace {
CWinApp* g_app = nullptr;
}  // namespace

CWinApp::CWinApp() { g_app = this; }

CWinApp::~CWinApp() {
    if (g_app == this) g_app = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() {
    // A class left registered would point at code gone with the DLL.
    UnregisterWindowClass();
    return 0;
}

BOOL CWinApp::HtmlHelp(HWND owner, DWORD_PTR data, UINT command) {
    using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
    static const HtmlHelpFunction htmlHelp = [] {
        HMODULE control = LoadLibraryA("hhctrl.ocx");
        return control ? reinterpret_cast<HtmlHelpFunction>(GetProcAddress(control, "HtmlHelpA")) : nullptr;
    }();
    if (htmlHelp == nullptr || m_strHelpFilePath.empty()) return FALSE;
    return htmlHelp(owner, m_strHelpFilePath.c_str(), command, data) != nullptr;
}

CWinApp* AfxGetApp() { return g_app; }

BOOL AfxDllMain(HINSTANCE instance, DWORD reason) {
    CWinApp* app = AfxGetApp();
    if (reason == DLL_PROCESS_ATTACH) {
        DisableThreadLibraryCalls(instance);
        AfxSetResourceHandle(instance);
        if (app == nullptr) return TRUE;
        app->m_hInstance = instance;
        return app->InitInstance();
    }
    if (reason == DLL_PROCESS_DETACH && app != nullptr) app->ExitInstance();
    return TRUE;
}

}  // namespace cantivo::ui
