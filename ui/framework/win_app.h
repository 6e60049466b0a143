// The application object of a DLL: one per module, alive while it is loaded.
// It keeps the instance handle the entry point receives and makes that module
// the source of resources.
#pragma once

#include <windows.h>

#include <string>

namespace cantivo::ui {

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Nonzero on success; zero makes the module refuse to load.
    virtual BOOL InitInstance();
    virtual int ExitInstance();

    // Opens the help file through HTML Help, which is loaded on first use so
    // that a system without it still loads the plug-in. False when it cannot.
    BOOL HtmlHelp(HWND owner, DWORD_PTR data, UINT command);

    HINSTANCE m_hInstance = nullptr;
    std::string m_strHelpFilePath;
};

CWinApp* AfxGetApp();

// The DLL entry point's work for process attach and detach.
BOOL AfxDllMain(HINSTANCE instance, DWORD reason);

}  // namespace cantivo::ui
