#include <windows.h>

#include <string>

namespace cantivo::platform {

int SystemMessageBox(const std::string& text, unsigned style) {
    return MessageBoxA(nullptr, text.c_str(), "Cantivo", style | MB_TASKMODAL);
}

}  // namespace cantivo::platform
