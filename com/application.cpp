#include "com/application.h"

#include "engine/error_code.h"
#include "engine/module_folder.h"
#include "ui/framework/message_box.h"

namespace cantivo {

CMFCSampleApp theApp;

BOOL CMFCSampleApp::InitInstance() {
    if (!CWinApp::InitInstance()) return FALSE;
    ui::SetOutOfMemoryReporter([] { ReportError(kErrNoMemory); });
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(m_hInstance, path, MAX_PATH);
    const ModulePaths paths = ModulePathsFor(length > 0 && length < MAX_PATH ? std::string(path, length) : std::string());
    helpFile_ = paths.helpFile;
    SetModuleFolder(paths.folder);
    return TRUE;
}

}  // namespace cantivo
