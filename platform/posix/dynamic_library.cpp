#include "platform/dynamic_library.h"

#include <dlfcn.h>

#include "platform/posix/path_resolution.h"

namespace cantivo::platform {

DynamicLibrary::DynamicLibrary(const std::string& path)
    : handle_(dlopen(ResolvePath(path).c_str(), RTLD_NOW | RTLD_LOCAL)) {}

DynamicLibrary::~DynamicLibrary() {
    if (handle_) dlclose(handle_);
}

void* DynamicLibrary::Symbol(const char* name) const { return handle_ ? dlsym(handle_, name) : nullptr; }

}  // namespace cantivo::platform
