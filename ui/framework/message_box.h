// Message boxes of the window layer. They go through the module's message box
// facility, so a test or a host without a desktop can take them.
#pragma once

#include <windows.h>

#include <string>

namespace cantivo::ui {

int AfxMessageBox(const std::string& text, UINT type = MB_OK);

// What a window does when it runs out of memory. The application connects it
// to its own error reporting; until then the message box says so plainly.
using OutOfMemoryReporter = void (*)();
void SetOutOfMemoryReporter(OutOfMemoryReporter reporter);
void ReportOutOfMemory();

}  // namespace cantivo::ui
