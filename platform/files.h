// Files and folders. Paths are written the Windows way, with '\' between
// names; the POSIX side maps them and matches each name without regard to case.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace cantivo::platform {

// The folder part of a path, with its trailing '\' or '/': "D:\Plug\" of
// "D:\Plug\QVB20x64.dll", "D:" of "D:QVB20x64.dll", empty for a bare name.
std::string FolderOf(const std::string& path);

// Opens an existing file for no access and closes it again.
bool FileExists(const std::string& path);

// How a file is opened for reading.
enum class ReadMode {
    kShared,               // others may read it meanwhile
    kExclusiveSequential,  // no other opener meanwhile, read front to back
};
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path, ReadMode mode = ReadMode::kShared);
bool WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes);

struct FolderEntry {
    std::string name;
    bool isFolder = false;
};
// Entries of one folder, "." and ".." left out; nothing when it cannot be listed.
std::optional<std::vector<FolderEntry>> ListFolder(const std::string& folder);

bool SetCurrentFolder(const std::string& path);

// The file holding this code: the plug-in on Windows, the program or shared
// object on POSIX.
std::string ThisModuleFilePath();

}  // namespace cantivo::platform
