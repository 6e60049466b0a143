// Registry keys: the real registry on Windows, a store of our own on POSIX
// with the same shape (keys below three roots, named values).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace cantivo::platform {

enum class RegistryRoot { CurrentUser, LocalMachine, ClassesRoot };

class RegistryKey {
public:
    RegistryKey() = default;
    ~RegistryKey();
    RegistryKey(RegistryKey&& other) noexcept;
    RegistryKey& operator=(RegistryKey&& other) noexcept;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    // Opens an existing key for reading and writing.
    static RegistryKey Open(RegistryRoot root, const std::string& path);
    // Creates the key when missing.
    static RegistryKey Create(RegistryRoot root, const std::string& path);
    RegistryKey Open(const std::string& subkey) const;
    RegistryKey Create(const std::string& subkey) const;

    explicit operator bool() const { return handle_ != nullptr; }

    // Up to four bytes of a value, whatever its type; nothing when it is missing or longer.
    std::optional<std::uint32_t> QueryDword(const std::string& name) const;
    bool SetDword(const std::string& name, std::uint32_t value);
    bool SetBinary(const std::string& name, const std::vector<std::uint8_t>& bytes);
    std::vector<std::string> ValueNames() const;

private:
    explicit RegistryKey(void* handle) : handle_(handle) {}
    void* handle_ = nullptr;
};

// Removes a key with everything below it.
bool DeleteRegistryTree(RegistryRoot root, const std::string& path);

// Makes what is stored under HKEY_CURRENT_USER last beyond this process, as
// the Windows registry does by itself. On POSIX it is the user's settings file
// $XDG_CONFIG_HOME/cantivo/registry (else ~/.config/cantivo/registry), read
// now and written again after every change. Call it before any other use.
void KeepCurrentUserBetweenRuns();

}  // namespace cantivo::platform
