#include "platform/files.h"

#include <dirent.h>
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "platform/posix/path_resolution.h"

namespace cantivo::platform {

bool FileExists(const std::string& path) {
    struct stat info {};
    return stat(ResolvePath(path).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// POSIX files have no share modes; the mode is the Windows side's concern.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path, ReadMode) {
    std::ifstream in(ResolvePath(path), std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
}

bool WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    std::ofstream out(ResolvePath(path), std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

std::optional<std::vector<FolderEntry>> ListFolder(const std::string& folder) {
    const std::string resolved = ResolvePath(folder);
    DIR* dir = opendir(resolved.c_str());
    if (!dir) return std::nullopt;
    std::vector<FolderEntry> entries;
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        struct stat info {};
        const bool isFolder = stat((resolved + "/" + name).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
        entries.push_back({name, isFolder});
    }
    closedir(dir);
    return entries;
}

bool SetCurrentFolder(const std::string& path) { return chdir(ResolvePath(path).c_str()) == 0; }

std::string ThisModuleFilePath() {
    Dl_info info {};
    if (dladdr(reinterpret_cast<void*>(&ThisModuleFilePath), &info) == 0 || !info.dli_fname) return {};
    char resolved[PATH_MAX];
    // The program itself may be named as it was started, relative to a
    // folder that is no longer current.
    if (info.dli_fname[0] != '/') {
        const ssize_t length = readlink("/proc/self/exe", resolved, sizeof resolved - 1);
        return length > 0 ? std::string(resolved, static_cast<std::size_t>(length)) : std::string();
    }
    return realpath(info.dli_fname, resolved) ? std::string(resolved) : std::string(info.dli_fname);
}

}  // namespace cantivo::platform
