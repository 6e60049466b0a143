#include "ui/framework/message_box.h"

#include "platform/message_box.h"

namespace cantivo::ui {

namespace {
OutOfMemoryReporter g_outOfMemory = nullptr;
}  // namespace

int AfxMessageBox(const std::string& text, UINT type) { return platform::ShowMessageBox(text, type); }

void SetOutOfMemoryReporter(OutOfMemoryReporter reporter) { g_outOfMemory = reporter; }

void ReportOutOfMemory() {
    if (g_outOfMemory != nullptr)
        g_outOfMemory();
    else
        AfxMessageBox("Out of memory", MB_OK | MB_ICONSTOP);
}

}  // namespace cantivo::ui
