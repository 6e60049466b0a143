#include "com/application.h"

#include "engine/error_code.h"
#include "engine/module_folder.h"
#include "options/options_settings.h"
#include "platform/files.h"
#include "ui/framework/message_box.h"

namespace cantivo {

CMFCSampleApp theApp;

BOOL CMFCSampleApp::InitInstance() {
    if (!CWinApp::InitInstance()) return FALSE;
    ui::SetOutOfMemoryReporter([] { ReportError(kErrNoMemory); });
    const ModulePaths paths = ModulePathsFor(platform::ThisModuleFilePath());
    m_strHelpFilePath = paths.helpFile;
    SetModuleFolder(paths.folder);
    // A filter may run in a session where its page is never opened; it must
    // still use what the user saved.
    LoadOptionsSettings();
    return TRUE;
}

}  // namespace cantivo
