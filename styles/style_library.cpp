#include "styles/style_library.h"

#include <algorithm>
#include <cctype>

#include "platform/files.h"

namespace cantivo {

namespace {

constexpr const char* kLibraryFolder = "STYLES\\";
constexpr const char* kStyleExtension = ".cnv";

char Folded(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

std::string FoldedName(const std::string& name) {
    std::string folded = name;
    for (char& c : folded) c = Folded(c);
    return folded;
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    const std::string foldedA = FoldedName(a);
    const std::string foldedB = FoldedName(b);
    // Names equal but for case keep a fixed order.
    return foldedA != foldedB ? foldedA < foldedB : a < b;
}

bool StartsWithIgnoringCase(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), [](char x, char y) { return Folded(x) == Folded(y); });
}

bool EndsWithIgnoringCase(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           std::equal(suffix.begin(), suffix.end(), text.end() - static_cast<std::ptrdiff_t>(suffix.size()),
                      [](char x, char y) { return Folded(x) == Folded(y); });
}

bool IsPlainName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find_first_of("\\/") == std::string::npos;
}

std::vector<std::string> Sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end(), LessIgnoringCase);
    return names;
}

}  // namespace

std::optional<std::string> StyleFilePath(const std::string& moduleFolder, const std::string& styleFolder,
                                         const std::string& styleName) {
    if (!IsPlainName(styleFolder) || !IsPlainName(styleName)) return std::nullopt;
    return moduleFolder + kLibraryFolder + styleFolder + "\\" + styleName + kStyleExtension;
}

std::vector<std::string> ListStyleFolders(const std::string& moduleFolder) {
    std::vector<std::string> folders;
    const auto entries = platform::ListFolder(moduleFolder + kLibraryFolder);
    if (!entries) return folders;
    for (const platform::FolderEntry& entry : *entries) {
        if (entry.isFolder && !entry.name.empty() && entry.name[0] != '.') folders.push_back(entry.name);
    }
    return Sorted(std::move(folders));
}

std::vector<std::string> ListStyles(const std::string& moduleFolder, const std::string& styleFolder) {
    std::vector<std::string> styles;
    if (!IsPlainName(styleFolder)) return styles;
    const auto entries = platform::ListFolder(moduleFolder + kLibraryFolder + styleFolder + "\\");
    if (!entries) return styles;
    const std::string extension = kStyleExtension;
    for (const platform::FolderEntry& entry : *entries) {
        if (!entry.isFolder && entry.name.size() > extension.size() && EndsWithIgnoringCase(entry.name, extension))
            styles.push_back(entry.name.substr(0, entry.name.size() - extension.size()));
    }
    return Sorted(std::move(styles));
}

std::optional<std::size_t> FindStoredEntry(const std::vector<std::string>& entries, const std::string& stored) {
    if (entries.empty()) return std::nullopt;
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [&](const std::string& entry) { return StartsWithIgnoringCase(entry, stored); });
    return found == entries.end() ? 0 : static_cast<std::size_t>(found - entries.begin());
}

}  // namespace cantivo
