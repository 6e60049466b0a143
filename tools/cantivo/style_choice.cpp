#include "tools/cantivo/style_choice.h"

#include "platform/files.h"
#include "styles/style_library.h"

namespace cantivo::host {

std::string ProgramFolder() {
    const std::string path = platform::ThisModuleFilePath();
    const auto end = path.find_last_of("\\/");
    return end == std::string::npos ? std::string() : path.substr(0, end + 1);
}

std::optional<StyleFile> ReadStyle(const std::string& moduleFolder, const std::string& styleFolder,
                                   const std::string& styleName, std::string& problem) {
    const std::string shown = styleFolder + "/" + styleName;
    const auto path = StyleFilePath(moduleFolder, styleFolder, styleName);
    if (!path) {
        problem = "style '" + shown + "': not a folder and style name";
        return std::nullopt;
    }
    const auto bytes = platform::ReadWholeFile(*path);
    if (!bytes) {
        problem = "style '" + shown + "' not found (" + *path + "); see --list-styles";
        return std::nullopt;
    }
    StyleFile style;
    if (const StyleFileFault fault = ReadStyleFile(*bytes, style); fault != StyleFileFault::kNone) {
        problem = "style '" + shown + "': not a valid style file: " + DescribeFault(fault);
        return std::nullopt;
    }
    return style;
}

std::string StyleListing(const std::string& moduleFolder) {
    std::string text;
    for (const std::string& folder : ListStyleFolders(moduleFolder)) {
        text += folder + "\n";
        for (const std::string& style : ListStyles(moduleFolder, folder)) text += "  " + folder + "/" + style + "\n";
    }
    return text;
}

}  // namespace cantivo::host
