#include "tools/cantivo/staged_style.h"

#include <cstdio>
#include <filesystem>
#include <random>

#include "platform/files.h"
#include "styles/style_file.h"
#include "tools/cantivo/host_options.h"

namespace cantivo::host {

namespace {

namespace fs = std::filesystem;

constexpr int kFolderAttempts = 16;

// A fresh folder ".cantivo-XXXXXXXX" in the library; runs at the same time each get their own.
std::optional<std::string> FreshFolder(const fs::path& library, std::string& problem) {
    std::random_device random;
    std::error_code error;
    for (int attempt = 0; attempt < kFolderAttempts; ++attempt) {
        char name[32];
        std::snprintf(name, sizeof name, ".cantivo-%08x", static_cast<unsigned>(random()));
        if (fs::create_directory(library / name, error)) return name;
        if (error) break;
    }
    problem = "cannot make a folder for it in " + library.string() + (error ? ": " + error.message() : "");
    return std::nullopt;
}

}  // namespace

std::unique_ptr<StagedStyle> StagedStyle::Stage(const std::string& moduleFolder, const std::string& path,
                                                std::string& problem) {
    const std::string shown = "style " + path;
    const auto bytes = platform::ReadWholeFile(path);
    if (!bytes) {
        problem = shown + ": cannot be read";
        return nullptr;
    }
    StyleFile style;
    if (const StyleFileFault fault = ReadStyleFile(*bytes, style); fault != StyleFileFault::kNone) {
        problem = shown + ": not a valid style file: " + DescribeFault(fault) + " (cnvtool check explains)";
        return nullptr;
    }
    const std::string name = fs::path(path).stem().string();
    if (name.empty() || name.size() > kMaxStyleNameLength) {
        problem = shown + ": the name must have 1 to " + std::to_string(kMaxStyleNameLength) + " characters";
        return nullptr;
    }
    const fs::path library = fs::path(moduleFolder) / "STYLES";
    const auto folder = FreshFolder(library, problem);
    if (!folder) {
        problem = shown + ": " + problem;
        return nullptr;
    }
    std::unique_ptr<StagedStyle> staged(new StagedStyle((library / *folder).string(), *folder, name));
    if (!platform::WriteWholeFile((library / *folder / (name + ".cnv")).string(), *bytes)) {
        problem = shown + ": cannot be copied into " + staged->path_;
        return nullptr;
    }
    return staged;
}

StagedStyle::~StagedStyle() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

}  // namespace cantivo::host
