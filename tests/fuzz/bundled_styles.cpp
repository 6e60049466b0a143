#include "tests/fuzz/bundled_styles.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "engine/module_folder.h"
#include "platform/files.h"

namespace cantivo::fuzz {

const std::vector<std::vector<std::uint8_t>>& BundledStyles() {
    static const auto styles = [] {
        std::vector<std::string> paths;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(ModuleFolder() + "STYLES")) {
            if (entry.path().extension() == ".cnv") paths.push_back(entry.path().string());
        }
        std::sort(paths.begin(), paths.end());
        std::vector<std::vector<std::uint8_t>> bytes;
        for (const auto& path : paths) bytes.push_back(platform::ReadWholeFile(path).value());
        if (bytes.empty()) std::abort();
        return bytes;
    }();
    return styles;
}

}  // namespace cantivo::fuzz
