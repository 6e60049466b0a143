// A dynamic library held open for the life of the object.
#pragma once

#include <string>

namespace cantivo::platform {

class DynamicLibrary {
public:
    explicit DynamicLibrary(const std::string& path);
    ~DynamicLibrary();
    DynamicLibrary(const DynamicLibrary&) = delete;
    DynamicLibrary& operator=(const DynamicLibrary&) = delete;

    explicit operator bool() const { return handle_ != nullptr; }
    void* Symbol(const char* name) const;

private:
    void* handle_;
};

}  // namespace cantivo::platform
