#include "platform/registry.h"

#include <windows.h>

namespace cantivo::platform {

namespace {

HKEY RootKey(RegistryRoot root) {
    switch (root) {
        case RegistryRoot::CurrentUser: return HKEY_CURRENT_USER;
        case RegistryRoot::LocalMachine: return HKEY_LOCAL_MACHINE;
        case RegistryRoot::ClassesRoot: return HKEY_CLASSES_ROOT;
    }
    return HKEY_CURRENT_USER;
}

constexpr REGSAM kAccess = KEY_READ | KEY_WRITE;

HKEY OpenKey(HKEY parent, const std::string& path) {
    HKEY key = nullptr;
    return RegOpenKeyExA(parent, path.c_str(), 0, kAccess, &key) == ERROR_SUCCESS ? key : nullptr;
}

HKEY CreateKey(HKEY parent, const std::string& path) {
    HKEY key = nullptr;
    return RegCreateKeyExA(parent, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, kAccess, nullptr, &key,
                           nullptr) == ERROR_SUCCESS
               ? key
               : nullptr;
}

}  // namespace

RegistryKey::~RegistryKey() {
    if (handle_) RegCloseKey(static_cast<HKEY>(handle_));
}

RegistryKey::RegistryKey(RegistryKey&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept {
    if (this != &other) {
        if (handle_) RegCloseKey(static_cast<HKEY>(handle_));
        handle_ = other.handle_;
        other.handle_ = nullptr;
    }
    return *this;
}

RegistryKey RegistryKey::Open(RegistryRoot root, const std::string& path) {
    return RegistryKey(OpenKey(RootKey(root), path));
}

RegistryKey RegistryKey::Create(RegistryRoot root, const std::string& path) {
    return RegistryKey(CreateKey(RootKey(root), path));
}

RegistryKey RegistryKey::Open(const std::string& subkey) const {
    return RegistryKey(handle_ ? OpenKey(static_cast<HKEY>(handle_), subkey) : nullptr);
}

RegistryKey RegistryKey::Create(const std::string& subkey) const {
    return RegistryKey(handle_ ? CreateKey(static_cast<HKEY>(handle_), subkey) : nullptr);
}

std::optional<std::uint32_t> RegistryKey::QueryDword(const std::string& name) const {
    if (!handle_) return std::nullopt;
    std::uint32_t value = 0;
    DWORD size = sizeof value;
    if (RegQueryValueExA(static_cast<HKEY>(handle_), name.c_str(), nullptr, nullptr,
                         reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

bool RegistryKey::SetDword(const std::string& name, std::uint32_t value) {
    return handle_ && RegSetValueExA(static_cast<HKEY>(handle_), name.c_str(), 0, REG_DWORD,
                                     reinterpret_cast<const BYTE*>(&value), sizeof value) == ERROR_SUCCESS;
}

bool RegistryKey::SetBinary(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    return handle_ && RegSetValueExA(static_cast<HKEY>(handle_), name.c_str(), 0, REG_BINARY, bytes.data(),
                                     static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
}

std::vector<std::string> RegistryKey::ValueNames() const {
    std::vector<std::string> names;
    if (!handle_) return names;
    for (DWORD index = 0;; ++index) {
        char name[16384];
        DWORD length = sizeof name;
        if (RegEnumValueA(static_cast<HKEY>(handle_), index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        names.emplace_back(name, length);
    }
    return names;
}

bool DeleteRegistryTree(RegistryRoot root, const std::string& path) {
    // Given a subkey, RegDeleteTree removes that key too.
    return RegDeleteTreeA(RootKey(root), path.c_str()) == ERROR_SUCCESS;
}

// The registry keeps itself.
void KeepCurrentUserBetweenRuns() {}

}  // namespace cantivo::platform
