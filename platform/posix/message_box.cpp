#include <cstdio>
#include <string>

namespace cantivo::platform {

// No windows here: the message goes to standard error and counts as OK.
int SystemMessageBox(const std::string& text, unsigned) {
    std::fprintf(stderr, "Cantivo: %s\n", text.c_str());
    return 1;
}

}  // namespace cantivo::platform
