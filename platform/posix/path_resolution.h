#pragma once

#include <string>

namespace cantivo::platform {

// Turns a path written the Windows way into the POSIX path of what exists:
// '\' becomes '/', and each name that does not exist as spelled is matched
// without regard to case. Names that match nothing are kept as written.
std::string ResolvePath(const std::string& path);

}  // namespace cantivo::platform
