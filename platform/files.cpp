#include "platform/files.h"

namespace cantivo::platform {

std::string FolderOf(const std::string& path) {
    const std::size_t separator = path.find_last_of("\\/");
    if (separator != std::string::npos) return path.substr(0, separator + 1);
    const bool drive = path.size() >= 2 && path[1] == ':';
    return drive ? path.substr(0, 2) : std::string();
}

}  // namespace cantivo::platform
