#include "ui/framework/message_box.h"

#include "engine/error_code.h"
#include "platform/message_box.h"

namespace cantivo::ui {

int AfxMessageBox(const std::string& text, UINT type) { return platform::ShowMessageBox(text, type); }

void ReportModuleError(std::int32_t code) { ReportError(code); }

}  // namespace cantivo::ui
