#include "platform/posix/path_resolution.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

namespace cantivo::platform {

namespace {

bool Exists(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0;
}

std::string MatchInFolder(const std::string& folder, const std::string& name) {
    DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return name;
    std::string match = name;
    while (const dirent* entry = readdir(dir)) {
        if (strcasecmp(entry->d_name, name.c_str()) == 0) {
            match = entry->d_name;
            break;
        }
    }
    closedir(dir);
    return match;
}

}  // namespace

std::string ResolvePath(const std::string& path) {
    std::string resolved;
    std::string name;
    auto take = [&](bool last) {
        if (name.empty() || name == "." || name == "..") {
            resolved += name;
        } else {
            const std::string candidate = resolved + name;
            resolved += Exists(candidate) ? name : MatchInFolder(resolved, name);
        }
        if (!last) resolved += '/';
        name.clear();
    };
    for (char c : path) {
        if (c == '\\' || c == '/') {
            take(false);
        } else {
            name += c;
        }
    }
    take(true);
    return resolved;
}

}  // namespace cantivo::platform
