#include "platform/message_box.h"

namespace cantivo::platform {

int SystemMessageBox(const std::string& text, unsigned style);

namespace {
MessageBoxHandler& Handler() {
    static MessageBoxHandler handler;
    return handler;
}
}  // namespace

void SetMessageBoxHandler(MessageBoxHandler handler) { Handler() = std::move(handler); }

int ShowMessageBox(const std::string& text, unsigned style) {
    if (Handler()) return Handler()(text, style);
    return SystemMessageBox(text, style);
}

}  // namespace cantivo::platform
