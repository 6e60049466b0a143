// Message boxes of the window layer. They go through the module's message box
// facility, so a test or a host without a desktop can take them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace cantivo::ui {

int AfxMessageBox(const std::string& text, UINT type = MB_OK);

// Sets the module error code, shows its message with the stop icon and sets
// the code back, as the page and the dialogs report a failure.
void ReportModuleError(std::int32_t code);

}  // namespace cantivo::ui
